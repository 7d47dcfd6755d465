// The Rayleigh staffing chart: the curve peaks where the main build ends, the marks sit
// there, and the band encloses the curve when the ranges are shown.
#include <gtest/gtest.h>

#include <algorithm>

#include "rayleigh/RayleighChart.h"
#include "tests/rayleigh/RayleighTestSupport.h"

namespace korval {
namespace {

using testing::RayleighDocFixture;

class RayleighChartTest : public RayleighDocFixture {};

TEST_F(RayleighChartTest, CurvePeaksAtTheEndOfTheMainBuildAndTheBandEnclosesIt) {
    struct Case {
        RayleighSensitivityType type;
        bool ranges;
        std::size_t series;
    };
    const Case cases[] = {{RayleighSensitivityType::Sloc, true, 2},
                          {RayleighSensitivityType::Sloc, false, 1},
                          {RayleighSensitivityType::Schedule, true, 2},
                          {RayleighSensitivityType::Index, true, 2}};
    for (const Case& c : cases) {
        cRayleighDoc doc(context);
        doc.SetSourceLines(50000);
        doc.SetSchedule(20);
        doc.SetRayleighSensitivity(10, 10, 2, 10, c.type);
        ChartContent chart = RayleighStaffingChart(doc, c.ranges);
        ASSERT_EQ(chart.series.size(), c.series);
        const ChartSeries& curve = chart.series.back();
        double build = doc.MainBuildPhaseTime();
        auto peak =
            std::max_element(curve.points.begin(), curve.points.end(),
                             [](const ChartPoint& a, const ChartPoint& b) { return a.y < b.y; });
        EXPECT_NEAR(peak->x, build, build * 0.05);
        EXPECT_NEAR(peak->y, doc.PeakStaff(), doc.PeakStaff() * 0.01);
        ASSERT_EQ(chart.markers.size(), 1u);
        EXPECT_DOUBLE_EQ(chart.markers[0].x, build);
        ASSERT_EQ(chart.peaks.size(), 1u);
        EXPECT_NEAR(chart.peaks[0].y, doc.PeakStaff(), 1e-9);
        // The curve runs until the staffing is below a tenth of its peak.
        EXPECT_LT(curve.points.back().y, 0.11 * doc.PeakStaff());
        if (c.series == 2) {
            const ChartSeries& band = chart.series.front();
            ASSERT_EQ(band.points.size(), curve.points.size());
            for (std::size_t i = 0; i < curve.points.size(); ++i) {
                EXPECT_LE(band.points[i].y, band.upper[i]);
                EXPECT_LE(band.points[i].y, curve.points[i].y + 1e-9) << i;
                EXPECT_GE(band.upper[i] + 1e-9, curve.points[i].y) << i;
            }
        }
    }
}

TEST_F(RayleighChartTest, NoChartWithoutAnEffort) {
    cRayleighDoc doc(context);
    doc.SetSourceLines(0);
    doc.SetSchedule(20);
    EXPECT_TRUE(RayleighStaffingChart(doc, true).series.empty());
    doc.SetSourceLines(50000);
    doc.SetSchedule(0);
    EXPECT_TRUE(RayleighStaffingChart(doc, true).series.empty());
}

}  // namespace
}  // namespace korval
