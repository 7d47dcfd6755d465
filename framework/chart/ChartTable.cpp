#include "framework/chart/ChartTable.h"

#include <algorithm>

#include "framework/FiniteFigure.h"
#include "framework/NumberText.h"
#include "framework/chart/ChartScale.h"

namespace korval {

namespace {

constexpr int kTableSteps = 12;

std::string Figure(double value) {
    return FormatNumber("%.1f", FiniteFigure(value));
}

double PointValue(const ChartSeries& series, std::size_t i, bool upper) {
    return upper && i < series.upper.size() ? series.upper[i] : series.points[i].y;
}

double RightOf(const ChartContent& content) {
    double right = 0;
    for (const ChartSeries& series : content.series) {
        for (const ChartPoint& point : series.points) right = std::max(right, point.x);
    }
    for (const GanttChartRow& row : content.rows) {
        for (const GanttChartBar& bar : row.bars) right = std::max(right, bar.end);
    }
    return right;
}

ChartTable XyTable(const ChartContent& content) {
    ChartTable table;
    for (const ChartSeries& series : content.series) {
        if (!series.name.empty()) table.notes.push_back(series.column + ": " + series.name);
    }
    for (const ChartMarker& marker : content.markers)
        table.notes.push_back(marker.label + " at " + Figure(marker.x) + " " + content.xUnit);
    for (const ChartPeak& peak : content.peaks) {
        table.notes.push_back(peak.label + " at " + Figure(peak.x) + " " + content.xUnit);
    }
    table.header.push_back(content.xUnit);
    for (const ChartSeries& series : content.series) table.header.push_back(series.column);
    ChartScale scale = ChartScale::Covering(content.XStart(), RightOf(content), kTableSteps);
    for (double x : scale.Ticks()) {
        std::vector<std::string> row = {scale.TickText(x)};
        for (const ChartSeries& series : content.series) {
            std::string value = Figure(SeriesValueAt(series, x));
            if (series.shape == SeriesShape::kBand)
                value += "-" + Figure(SeriesValueAt(series, x, true));
            row.push_back(value);
        }
        table.rows.push_back(std::move(row));
    }
    return table;
}

ChartTable GanttTable(const ChartContent& content) {
    ChartTable table;
    table.named = true;
    table.header = {"Member", "Phase", content.xUnit};
    for (const GanttChartRow& row : content.rows) {
        std::string name = row.missing ? row.name + " (missing)" : row.name;
        if (row.bars.empty()) table.rows.push_back({name, "", ""});
        for (const GanttChartBar& bar : row.bars) {
            std::size_t category = static_cast<std::size_t>(
                std::clamp(bar.category, 0, static_cast<int>(content.categories.size()) - 1));
            table.rows.push_back({name, content.categories[category].name,
                                  Figure(bar.start) + " - " + Figure(bar.end)});
        }
    }
    return table;
}

}  // namespace

double SeriesValueAt(const ChartSeries& series, double x, bool upper) {
    const std::vector<ChartPoint>& points = series.points;
    if (points.empty() || x < points.front().x || x > points.back().x) return 0;
    auto after = std::upper_bound(points.begin(), points.end(), x,
                                  [](double value, const ChartPoint& p) { return value < p.x; });
    std::size_t i = static_cast<std::size_t>(after - points.begin()) - 1;
    if (series.shape == SeriesShape::kSteps) {
        // The last point ends the steps.
        return i + 1 < points.size() ? PointValue(series, i, upper) : 0;
    }
    if (i + 1 >= points.size()) return PointValue(series, i, upper);
    double span = points[i + 1].x - points[i].x;
    double share = span > 0 ? (x - points[i].x) / span : 0;
    return PointValue(series, i, upper) +
           share * (PointValue(series, i + 1, upper) - PointValue(series, i, upper));
}

double ChartContent::XStart() const {
    if (!xFromData) return 0;
    double left = RightOf(*this);
    for (const ChartSeries& each : series) {
        for (const ChartPoint& point : each.points) left = std::min(left, point.x);
    }
    for (const ChartMarker& marker : markers) left = std::min(left, marker.x);
    return left;
}

ChartTable ChartTable::Of(const ChartContent& content) {
    return content.IsGantt() ? GanttTable(content) : XyTable(content);
}

}  // namespace korval
