#pragma once

#include <string>
#include <vector>

#include "framework/cReportSurface.h"

// What a chart shows, in the figures' own units (months, people), before it has a size:
// the report bodies fill it in, the chart layout draws it and the character surface prints
// it as a table.
namespace korval {

struct ChartPoint {
    double x = 0;
    double y = 0;
};

// Hatching of an area: line directions that tell areas apart on black and white paper.
enum class Hatch { kNone, kForward, kBackward, kCross, kHorizontal, kVertical };

struct AreaStyle {
    Tone tone = Tone::kShade;
    Hatch hatch = Hatch::kNone;
    bool filled = true;  // false: an outline only
};

enum class SeriesShape {
    kLine,   // a curve through the points
    kSteps,  // each point's y holds up to the next point's x; the last point ends the steps
    kBand,   // the area between the points (low) and upper (high)
};

struct ChartSeries {
    std::string name;    // the legend's text
    std::string column;  // the heading of its column in the chart's table
    SeriesShape shape = SeriesShape::kLine;
    LineStyle line;
    AreaStyle area;  // steps: the area under them; band: the area between its edges
    std::vector<ChartPoint> points;
    std::vector<double> upper;            // band: the high value at each point's x
    std::vector<std::string> stepLabels;  // steps: the name of each step, drawn inside it
};

// A dashed vertical line across the plot with its label (the end of the main build).
struct ChartMarker {
    double x = 0;
    std::string label;
};

// A marked point with its label (the peak of a staffing curve).
struct ChartPeak {
    double x = 0;
    double y = 0;
    std::string label;
};

// A kind of Gantt bar (a phase) with its legend name and area.
struct ChartCategory {
    std::string name;
    AreaStyle area;
};

struct GanttChartBar {
    double start = 0;
    double end = 0;
    int category = 0;
};

// One Gantt row (a system member). A missing member's bars are outlines only.
struct GanttChartRow {
    std::string name;
    std::vector<GanttChartBar> bars;
    bool missing = false;
};

struct ChartContent {
    std::string xUnit = "Months";
    std::string yUnit = "People";
    std::vector<ChartSeries> series;
    std::vector<ChartMarker> markers;
    std::vector<ChartPeak> peaks;
    // A Gantt chart: rows of bars over the time axis, one legend entry per category.
    std::vector<ChartCategory> categories;
    std::vector<GanttChartRow> rows;
    std::string missingLabel = "Missing project file";
    // The x axis starts at the round step below the lowest x instead of at 0: a spread of
    // values far from 0, as a simulation's histogram.
    bool xFromData = false;

    bool IsGantt() const { return !categories.empty(); }
    // Where the x axis starts: 0, or the lowest x of the series and markers.
    double XStart() const;
};

}  // namespace korval
