#include <gtest/gtest.h>

#include "cocomo/cCocomoDoc.h"
#include "simulation/cSimulationCache.h"
#include "tests/simulation/SimulationTestSupport.h"

namespace korval::testing {
namespace {

class SimulationCacheTest : public SimulationTest {
  protected:
    std::unique_ptr<cModelDoc> document = Open(CopyExample("flight-management.CCM"));
    cCocomoDoc& cocomo = dynamic_cast<cCocomoDoc&>(*document);
    cSimulationCache cache;
    int runs = 0;

    void SetSize(ThreePointEstimate size) {
        CocomoUncertainty uncertainty = cocomo.GetUncertainty();
        uncertainty.size = size;
        uncertainty.run.trials = 500;
        cocomo.SetUncertainty(uncertainty);
        // As every edit of the document does.
        cocomo.SetModifiedFlag();
    }

    double MedianEffort() {
        const SimulationResults& results = cache.Get(cocomo, [this] {
            ++runs;
            return Simulate(cocomo);
        });
        return results.Find("adjustedEffort")->p50;
    }
};

TEST_F(SimulationCacheTest, LaterLayoutsReuseTheResultsUntilAnInputChanges) {
    SetSize({20000, 40000, 90000});
    double first = MedianEffort();
    EXPECT_EQ(MedianEffort(), first);
    EXPECT_EQ(MedianEffort(), first);
    EXPECT_EQ(runs, 1);

    SetSize({60000, 80000, 120000});
    double larger = MedianEffort();
    EXPECT_EQ(runs, 2);
    EXPECT_GT(larger, first);
    // Saving marks the document unmodified: its figures, and so the results, stay.
    cocomo.SetModifiedFlag(false);
    EXPECT_EQ(MedianEffort(), larger);
    EXPECT_EQ(runs, 2);
}

TEST_F(SimulationCacheTest, OlderResultsStayAsTheLastWhileTheCurrentAreMissing) {
    SetSize({20000, 40000, 90000});
    MedianEffort();
    std::uint64_t before = cocomo.Revision();
    SetSize({60000, 80000, 120000});
    EXPECT_NE(cocomo.Revision(), before);
    EXPECT_EQ(cache.Current(cocomo), nullptr);
    ASSERT_NE(cache.Last(cocomo), nullptr);

    // A run that finishes after another edit is stored under the revision it read.
    std::uint64_t read = cocomo.Revision();
    SimulationResults late = PrepareSimulation(cocomo)(nullptr);
    SetSize({30000, 50000, 70000});
    cache.Store(cocomo, read, late);
    EXPECT_EQ(cache.Current(cocomo), nullptr);
    EXPECT_EQ(cache.Last(cocomo)->Find("adjustedEffort")->p50, late.Find("adjustedEffort")->p50);

    cache.KeepOnly({document.get()});
    EXPECT_NE(cache.Last(cocomo), nullptr);
    cache.KeepOnly({});
    EXPECT_EQ(cache.Last(cocomo), nullptr);
}

TEST_F(SimulationCacheTest, CancelledRunsAreNotKept) {
    SetSize({20000, 40000, 90000});
    SimulationControl control;
    control.cancel = true;
    const SimulationResults& cancelled = cache.Get(cocomo, [&] {
        ++runs;
        return Simulate(cocomo, {}, &control);
    });
    EXPECT_TRUE(cancelled.cancelled);
    EXPECT_EQ(cache.Current(cocomo), nullptr);
    MedianEffort();
    EXPECT_EQ(runs, 2);
}

// What a run prepared on the document's thread computes does not change when the document
// does before it runs: the desktop's background runs rely on it.
TEST_F(SimulationCacheTest, PreparedRunsKeepTheInputsTheyWereMadeFrom) {
    SetSize({20000, 40000, 90000});
    PreparedSimulation prepared = PrepareSimulation(cocomo);
    SimulationResults direct = Simulate(cocomo);
    SetSize({60000, 80000, 120000});
    EXPECT_EQ(prepared(nullptr).Find("adjustedEffort")->sorted,
              direct.Find("adjustedEffort")->sorted);
}

}  // namespace
}  // namespace korval::testing
