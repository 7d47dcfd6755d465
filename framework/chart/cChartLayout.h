#pragma once

#include <optional>
#include <string>
#include <vector>

#include "framework/chart/ChartContent.h"
#include "framework/chart/ChartScale.h"
#include "framework/chart/cChartPicture.h"

namespace korval {

// Lays a chart out in a rectangle of a surface: round axes covering the data with their
// units, grid, series, markers, Gantt rows and the legend below, every part inside the
// rectangle. Text is measured on the surface, so the picture fits the font it is drawn in.
class cChartLayout {
  public:
    cChartLayout(const ChartContent& content, const cReportSurface& surface);

    // The height the chart asks for: a fixed number of lines, a Gantt chart a line and a
    // half per row, at most maxHeight (a printed page's body).
    static int PreferredHeight(const ChartContent& content, const TextMetrics& text, int maxHeight);

    cChartPicture LayOut(int width, int height) const;

  private:
    struct LegendEntry {
        std::string text;
        bool area;  // an area sample; otherwise a line sample
        LineStyle line;
        AreaStyle fill;
    };
    struct Frame {
        SurfaceRect plot;
        ChartScale x;
        ChartScale y;
    };

    std::vector<LegendEntry> Legend() const;
    std::vector<std::vector<const LegendEntry*>> LegendLines(const std::vector<LegendEntry>& legend,
                                                             int width) const;
    int LegendLineHeight() const { return lineHeight_ * 5 / 4; }
    int BelowPlot(int legendLines) const;
    double DataRight() const;
    double DataTop() const;

    ChartScale XScale(int plotWidth) const;
    Frame XyFrame(int width, int height, int legendLines) const;
    Frame GanttFrame(int width, int height, int legendLines) const;

    int X(const Frame& frame, double x) const;
    int Y(const Frame& frame, double y) const;

    void DrawXAxis(cChartPicture& picture, const Frame& frame, bool grid) const;
    void DrawYAxis(cChartPicture& picture, const Frame& frame) const;
    void DrawSeries(cChartPicture& picture, const Frame& frame, const ChartSeries& series) const;
    // Labels over the plot are placed clear of the ones placed before (placed).
    void DrawStepLabels(cChartPicture& picture, const Frame& frame, const ChartSeries& series,
                        std::vector<SurfaceRect>& placed) const;
    void DrawMarkers(cChartPicture& picture, const Frame& frame,
                     std::vector<SurfaceRect>& placed) const;
    void DrawPeaks(cChartPicture& picture, const Frame& frame,
                   std::vector<SurfaceRect>& placed) const;
    // The box of a plot label moved up (step < 0) or down a line at a time until it is
    // clear of the placed ones; nothing when it leaves the plot first.
    std::optional<SurfaceRect> ClearPlace(const Frame& frame, SurfaceRect box, int step,
                                          const std::vector<SurfaceRect>& placed) const;
    void DrawGanttRows(cChartPicture& picture, const Frame& frame) const;
    void DrawLegend(cChartPicture& picture,
                    const std::vector<std::vector<const LegendEntry*>>& lines) const;

    void Area(cChartPicture& picture, const std::vector<SurfacePoint>& outline,
              const AreaStyle& style) const;
    void BarArea(cChartPicture& picture, const SurfaceRect& bar, const AreaStyle& style,
                 bool outlineOnly) const;
    // Text kept inside the chart: moved in from an edge it would cross. A label over the
    // plot's lines clears its place first (onPaper). Returns the box the text takes.
    SurfaceRect Label(cChartPicture& picture, const std::string& text, SurfacePoint at,
                      unsigned align, bool onPaper = false) const;

    const ChartContent& content_;
    const cReportSurface& surface_;
    int lineHeight_;
    int charWidth_;
    int hatchSpacing_;
};

}  // namespace korval
