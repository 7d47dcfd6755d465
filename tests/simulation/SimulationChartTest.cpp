#include <gtest/gtest.h>

#include <numeric>

#include "cocomo/cCocomoDoc.h"
#include "framework/cTextReportSurface.h"
#include "simulation/SimulationChart.h"
#include "simulation/SimulationReport.h"
#include "simulation/cSimulationCache.h"
#include "tests/simulation/SimulationTestSupport.h"

namespace korval::testing {
namespace {

class SimulationChartTest : public SimulationTest {
  protected:
    std::unique_ptr<cModelDoc> document = Open(CopyExample("flight-management.CCM"));
    cCocomoDoc& cocomo = dynamic_cast<cCocomoDoc&>(*document);

    SimulationResults Run(ThreePointEstimate size, ThreePointShape shape, std::int64_t trials,
                          std::optional<double> targetEffort = std::nullopt) {
        CocomoUncertainty uncertainty = cocomo.GetUncertainty();
        uncertainty.size = size;
        uncertainty.run.shape = shape;
        uncertainty.run.trials = trials;
        uncertainty.run.targetEffort = targetEffort;
        cocomo.SetUncertainty(uncertainty);
        cocomo.SetModifiedFlag();
        return Simulate(cocomo);
    }

    std::string Report() {
        cTextReportSurface surface;
        cReportLayout layout = cocomo.LayOutReport(surface);
        layout.DrawAll(surface);
        return surface.Render();
    }
};

struct ChartCase {
    const char* name;
    ThreePointEstimate size;
    ThreePointShape shape;
    std::int64_t trials;
};

// Wide and narrow spreads, both shapes, few and many trials, and every trial alike.
const ChartCase kCases[] = {
    {"wide triangular", {20000, 40000, 90000}, ThreePointShape::Triangular, 1000},
    {"narrow PERT", {39000, 40000, 41000}, ThreePointShape::Pert, 5000},
    {"few trials", {10000, 15000, 60000}, ThreePointShape::Pert, 7},
    {"certain size", {40000, 40000, 40000}, ThreePointShape::Triangular, 300},
};

TEST_F(SimulationChartTest, HistogramsCountEveryTrialAndSCurvesRiseToOne) {
    for (const ChartCase& test : kCases) {
        SCOPED_TRACE(test.name);
        SimulationResults results = Run(test.size, test.shape, test.trials);
        std::vector<const OutputSummary*> charted = ChartedOutputs(results);
        ASSERT_EQ(charted.size(), 3u);  // effort, time to develop and cost
        for (const OutputSummary* output : charted) {
            SCOPED_TRACE(output->key);
            ChartContent histogram = SimulationHistogramChart(*output);
            ASSERT_EQ(histogram.series.size(), 1u);
            const std::vector<ChartPoint>& bars = histogram.series[0].points;
            double counted =
                std::accumulate(bars.begin(), bars.end() - 1, 0.0,
                                [](double sum, const ChartPoint& p) { return sum + p.y; });
            EXPECT_EQ(counted, static_cast<double>(test.trials));
            EXPECT_LT(bars.front().x, bars.back().x);

            ChartContent curve = SimulationSCurveChart(*output);
            ASSERT_EQ(curve.series.size(), 1u);
            const std::vector<ChartPoint>& points = curve.series[0].points;
            for (std::size_t i = 1; i < points.size(); ++i) {
                EXPECT_GE(points[i].x, points[i - 1].x) << i;
                EXPECT_GE(points[i].y, points[i - 1].y) << i;
            }
            EXPECT_EQ(points.front().y, 0);
            EXPECT_EQ(points.back().y, 1);
            EXPECT_GE(points.back().x, output->maximum);
            EXPECT_TRUE(curve.xFromData);
        }
    }
}

TEST_F(SimulationChartTest, SCurveMarksTheMedianTheP80AndTheTarget) {
    SimulationResults results = Run({20000, 40000, 90000}, ThreePointShape::Triangular, 1000, 500);
    const OutputSummary& effort = *results.Find("adjustedEffort");
    ChartContent curve = SimulationSCurveChart(effort);
    ASSERT_EQ(curve.markers.size(), 3u);
    EXPECT_EQ(curve.markers[0].label, "P50");
    EXPECT_EQ(curve.markers[0].x, effort.p50);
    EXPECT_EQ(curve.markers[1].label, "P80");
    EXPECT_EQ(curve.markers[1].x, effort.p80);
    EXPECT_EQ(curve.markers[2].label, "Target");
    EXPECT_EQ(curve.markers[2].x, 500);
    // Time has no target set: its curve marks the percentiles only.
    EXPECT_EQ(SimulationSCurveChart(*results.Find("timeToDevelop")).markers.size(), 2u);
}

TEST_F(SimulationChartTest, APricedDocumentChartsItsCostToo) {
    cocomo.SetCostRate({12000, "EUR"});
    SimulationResults results = Run({20000, 40000, 90000}, ThreePointShape::Triangular, 200);
    std::vector<const OutputSummary*> charted = ChartedOutputs(results);
    ASSERT_EQ(charted.size(), 3u);
    EXPECT_EQ(charted[0]->key, "adjustedEffort");
    EXPECT_EQ(charted[1]->key, "timeToDevelop");
    EXPECT_EQ(charted[2]->key, "cost");
}

TEST_F(SimulationChartTest, ChartsFollowThePercentileTableOnlyWithTheChartsSwitch) {
    cocomo.Context().reportAppendix = &SimulationReportAppendix;
    Run({20000, 40000, 90000}, ThreePointShape::Triangular, 300);
    for (FilterState state : {FilterState::On, FilterState::Off}) {
        cocomo.SetFilter(cModelDoc::kChartsSwitch, state);
        std::string text = Report();
        std::size_t table = text.find("P90");
        ASSERT_NE(table, std::string::npos);
        std::size_t histogram = text.find("Adjusted effort Histogram");
        std::size_t curve = text.find("Time to develop S-Curve");
        if (state == FilterState::On) {
            EXPECT_GT(histogram, table);
            EXPECT_GT(curve, histogram);
            EXPECT_NE(text.find("P80 at"), std::string::npos);
        } else {
            EXPECT_EQ(histogram, std::string::npos);
            EXPECT_EQ(curve, std::string::npos);
        }
    }
}

TEST_F(SimulationChartTest, AReportWaitingForItsFirstResultsSaysSo) {
    Run({20000, 40000, 90000}, ThreePointShape::Triangular, 300);
    cSimulationCache cache;
    int started = 0;
    cTextReportSurface surface;
    cDrawContext dc(surface);
    int y = 5;
    EXPECT_GT(CachedSimulationAppendix(cocomo, dc, y, cache, [&](const cModelDoc&) { ++started; }),
              0);
    dc.layout.DrawAll(surface);
    EXPECT_NE(surface.Render().find("Simulating..."), std::string::npos);
    EXPECT_EQ(started, 1);
}

}  // namespace
}  // namespace korval::testing
