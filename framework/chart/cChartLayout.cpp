#include "framework/chart/cChartLayout.h"

#include <algorithm>
#include <cmath>

#include "framework/chart/HatchLines.h"

namespace korval {

namespace {

constexpr int kXyChartLines = 18;
constexpr int kMinimumGanttLines = 12;

double Clamp01(double value) {
    return std::isfinite(value) ? std::clamp(value, 0.0, 1.0) : 0.0;
}

std::vector<SurfacePoint> RectOutline(const SurfaceRect& r) {
    return {{r.left, r.top}, {r.right, r.top}, {r.right, r.bottom}, {r.left, r.bottom}};
}

std::vector<SurfacePoint> Closed(std::vector<SurfacePoint> points) {
    if (!points.empty()) points.push_back(points.front());
    return points;
}

}  // namespace

cChartLayout::cChartLayout(const ChartSpec& spec, const cReportSurface& surface)
    : spec_(spec),
      surface_(surface),
      lineHeight_(std::max(1, surface.GetTextMetrics().height)),
      charWidth_(std::max(1, surface.GetTextMetrics().aveCharWidth)),
      hatchSpacing_(std::max(3, surface.GetTextMetrics().height / 3)) {}

int cChartLayout::PreferredHeight(const ChartSpec& spec, const TextMetrics& text, int maxHeight) {
    int line = std::max(1, text.height);
    int wanted = kXyChartLines * line;
    if (spec.IsGantt()) {
        int rows = static_cast<int>(spec.rows.size());
        wanted = std::max(kMinimumGanttLines * line, 6 * line + rows * line * 3 / 2);
    }
    return maxHeight > 0 ? std::min(wanted, maxHeight) : wanted;
}

// --- Scales and frames -----------------------------------------------------------------

double cChartLayout::DataRight() const {
    double right = 0;
    for (const ChartSeries& series : spec_.series) {
        for (const ChartPoint& point : series.points) right = std::max(right, point.x);
    }
    for (const ChartMarker& marker : spec_.markers) right = std::max(right, marker.x);
    for (const ChartPeak& peak : spec_.peaks) right = std::max(right, peak.x);
    for (const GanttRow& row : spec_.rows) {
        for (const GanttBar& bar : row.bars) right = std::max(right, bar.end);
    }
    return right;
}

double cChartLayout::DataTop() const {
    double top = 0;
    for (const ChartSeries& series : spec_.series) {
        for (const ChartPoint& point : series.points) top = std::max(top, point.y);
        for (double high : series.upper) top = std::max(top, high);
    }
    for (const ChartPeak& peak : spec_.peaks) top = std::max(top, peak.y);
    return top;
}

ChartScale cChartLayout::XScale(int plotWidth) const {
    double right = DataRight();
    // Labels at least three characters apart, and no more than a dozen of them.
    int labelWidth =
        surface_.TextWidth(ChartScale::Covering(0, right, 10).TickText(right)) + 3 * charWidth_;
    int ticks = std::clamp(plotWidth / std::max(1, labelWidth), 2, 12);
    return ChartScale::Covering(0, right, ticks);
}

int cChartLayout::BelowPlot(int legendLines) const {
    // Tick labels, the unit, a gap, the legend.
    return lineHeight_ / 4 + lineHeight_ + lineHeight_ + lineHeight_ / 2 +
           legendLines * LegendLineHeight();
}

cChartLayout::Frame cChartLayout::XyFrame(int width, int height, int legendLines) const {
    Frame frame;
    frame.plot.top = lineHeight_ * 3 / 2;
    frame.plot.bottom = std::max(frame.plot.top + 1, height - BelowPlot(legendLines));
    int plotHeight = frame.plot.bottom - frame.plot.top;
    frame.y = ChartScale::Covering(0, DataTop(), std::clamp(plotHeight / (2 * lineHeight_), 2, 10));
    int labelWidth = 0;
    for (double tick : frame.y.Ticks()) {
        labelWidth = std::max(labelWidth, surface_.TextWidth(frame.y.TickText(tick)));
    }
    frame.plot.left = labelWidth + charWidth_;
    frame.plot.right = std::max(frame.plot.left + 1, width - 3 * charWidth_);
    frame.x = XScale(frame.plot.right - frame.plot.left);
    return frame;
}

cChartLayout::Frame cChartLayout::GanttFrame(int width, int height, int legendLines) const {
    Frame frame;
    frame.plot.top = lineHeight_ / 2;
    frame.plot.bottom = std::max(frame.plot.top + 1, height - BelowPlot(legendLines));
    int nameWidth = 0;
    for (const GanttRow& row : spec_.rows) {
        nameWidth = std::max(nameWidth, surface_.TextWidth(row.name));
    }
    frame.plot.left = std::min(nameWidth, width * 3 / 10) + charWidth_;
    frame.plot.right = std::max(frame.plot.left + 1, width - 3 * charWidth_);
    frame.x = XScale(frame.plot.right - frame.plot.left);
    return frame;
}

int cChartLayout::X(const Frame& frame, double x) const {
    double fraction = Clamp01(frame.x.Fraction(x));
    return frame.plot.left +
           static_cast<int>(std::lround(fraction * (frame.plot.right - frame.plot.left)));
}

int cChartLayout::Y(const Frame& frame, double y) const {
    double fraction = Clamp01(frame.y.Fraction(y));
    return frame.plot.bottom -
           static_cast<int>(std::lround(fraction * (frame.plot.bottom - frame.plot.top)));
}

// --- The picture ----------------------------------------------------------------------

cChartPicture cChartLayout::LayOut(int width, int height) const {
    cChartPicture picture(width, height);
    std::vector<LegendEntry> legend = Legend();
    std::vector<std::vector<const LegendEntry*>> lines = LegendLines(legend, width);
    int legendLines = static_cast<int>(lines.size());
    if (spec_.IsGantt()) {
        Frame frame = GanttFrame(width, height, legendLines);
        DrawXAxis(picture, frame, true);
        DrawGanttRows(picture, frame);
        picture.Line({frame.plot.left, frame.plot.top}, {frame.plot.left, frame.plot.bottom}, {});
    } else {
        Frame frame = XyFrame(width, height, legendLines);
        DrawYAxis(picture, frame);
        DrawXAxis(picture, frame, true);
        for (const ChartSeries& series : spec_.series) DrawSeries(picture, frame, series);
        for (const ChartSeries& series : spec_.series) DrawStepLabels(picture, frame, series);
        DrawMarkers(picture, frame);
        DrawPeaks(picture, frame);
        Label(picture, spec_.yUnit, {0, 0}, TextFlags::kBase);
    }
    DrawLegend(picture, lines);
    return picture;
}

void cChartLayout::DrawXAxis(cChartPicture& picture, const Frame& frame, bool grid) const {
    const SurfaceRect& plot = frame.plot;
    int tick = std::max(2, charWidth_ / 2);
    for (double value : frame.x.Ticks()) {
        int x = X(frame, value);
        if (grid && x > plot.left) {
            picture.Line({x, plot.top}, {x, plot.bottom}, {DashStyle::kDotted, 1, Tone::kFaint});
        }
        picture.Line({x, plot.bottom}, {x, plot.bottom + tick}, {});
        Label(picture, frame.x.TickText(value), {x, plot.bottom + lineHeight_ / 4},
              TextFlags::kCenter);
    }
    picture.Line({plot.left, plot.bottom}, {plot.right, plot.bottom}, {});
    Label(picture, spec_.xUnit,
          {(plot.left + plot.right) / 2, plot.bottom + lineHeight_ / 4 + lineHeight_},
          TextFlags::kCenter);
}

void cChartLayout::DrawYAxis(cChartPicture& picture, const Frame& frame) const {
    const SurfaceRect& plot = frame.plot;
    int tick = std::max(2, charWidth_ / 2);
    for (double value : frame.y.Ticks()) {
        int y = Y(frame, value);
        if (y < plot.bottom) {
            picture.Line({plot.left, y}, {plot.right, y}, {DashStyle::kDotted, 1, Tone::kFaint});
        }
        picture.Line({plot.left - tick, y}, {plot.left, y}, {});
        Label(picture, frame.y.TickText(value), {plot.left - tick, y - lineHeight_ / 2},
              TextFlags::kRight);
    }
    picture.Line({plot.left, plot.top}, {plot.left, plot.bottom}, {});
}

void cChartLayout::Area(cChartPicture& picture, const std::vector<SurfacePoint>& outline,
                        const AreaStyle& style) const {
    if (!style.filled) return;
    picture.Polygon(outline, style.tone);
    for (const HatchSegment& segment : HatchLines(outline, style.hatch, hatchSpacing_)) {
        picture.Line(segment.from, segment.to, {});
    }
}

void cChartLayout::DrawSeries(cChartPicture& picture, const Frame& frame,
                              const ChartSeries& series) const {
    std::vector<SurfacePoint> line;
    if (series.shape == SeriesShape::kBand) {
        std::vector<SurfacePoint> outline;
        for (const ChartPoint& point : series.points)
            outline.push_back({X(frame, point.x), Y(frame, point.y)});
        for (std::size_t i = std::min(series.upper.size(), series.points.size()); i-- > 0;)
            outline.push_back({X(frame, series.points[i].x), Y(frame, series.upper[i])});
        Area(picture, outline, series.area);
        picture.Polyline(Closed(outline), series.line);
        return;
    }
    if (series.shape == SeriesShape::kSteps) {
        int base = Y(frame, 0);
        for (std::size_t i = 0; i + 1 < series.points.size(); ++i) {
            SurfaceRect step{X(frame, series.points[i].x), Y(frame, series.points[i].y),
                             X(frame, series.points[i + 1].x), base};
            if (step.right > step.left && step.bottom > step.top)
                Area(picture, RectOutline(step), series.area);
            line.push_back({step.left, step.top});
            line.push_back({step.right, step.top});
        }
        if (!line.empty()) {
            line.insert(line.begin(), {line.front().x, base});
            line.push_back({line.back().x, base});
        }
    } else {
        for (const ChartPoint& point : series.points)
            line.push_back({X(frame, point.x), Y(frame, point.y)});
    }
    picture.Polyline(std::move(line), series.line);
}

void cChartLayout::DrawStepLabels(cChartPicture& picture, const Frame& frame,
                                  const ChartSeries& series) const {
    if (series.shape != SeriesShape::kSteps) return;
    for (std::size_t i = 0; i + 1 < series.points.size() && i < series.stepLabels.size(); ++i) {
        const std::string& text = series.stepLabels[i];
        int left = X(frame, series.points[i].x);
        int right = X(frame, series.points[i + 1].x);
        if (text.empty() || surface_.TextWidth(text) + charWidth_ > right - left) continue;
        int top = Y(frame, series.points[i].y) - lineHeight_ - lineHeight_ / 8;
        if (top < frame.plot.top) top = Y(frame, series.points[i].y) + lineHeight_ / 8;
        Label(picture, text, {(left + right) / 2, top}, TextFlags::kCenter);
    }
}

void cChartLayout::DrawMarkers(cChartPicture& picture, const Frame& frame) const {
    int row = 1;
    for (const ChartMarker& marker : spec_.markers) {
        int x = X(frame, marker.x);
        picture.Line({x, frame.plot.top}, {x, frame.plot.bottom}, {DashStyle::kDashed, 1});
        // Labels stand just above the time axis, where the curves are low.
        int top = frame.plot.bottom - row * lineHeight_ * 5 / 4;
        bool fitsRight = x + charWidth_ / 2 + surface_.TextWidth(marker.label) <= frame.plot.right;
        if (fitsRight)
            Label(picture, marker.label, {x + charWidth_ / 2, top}, TextFlags::kBase);
        else
            Label(picture, marker.label, {x - charWidth_ / 2, top}, TextFlags::kRight);
        ++row;
    }
}

void cChartLayout::DrawPeaks(cChartPicture& picture, const Frame& frame) const {
    int half = std::max(2, charWidth_ / 3);
    for (const ChartPeak& peak : spec_.peaks) {
        SurfacePoint at{X(frame, peak.x), Y(frame, peak.y)};
        picture.Rect({at.x - half, at.y - half, at.x + half, at.y + half}, Tone::kInk);
        int top = at.y - half - lineHeight_;
        if (top < frame.plot.top) top = at.y + half;
        bool fitsRight = at.x + 2 * half + surface_.TextWidth(peak.label) <= frame.plot.right;
        if (fitsRight)
            Label(picture, peak.label, {at.x + 2 * half, top}, TextFlags::kBase);
        else
            Label(picture, peak.label, {at.x - 2 * half, top}, TextFlags::kRight);
    }
}

void cChartLayout::BarArea(cChartPicture& picture, const SurfaceRect& bar, const AreaStyle& style,
                           bool outlineOnly) const {
    if (outlineOnly) {
        picture.Polyline(Closed(RectOutline(bar)), {DashStyle::kDashed, 1});
        return;
    }
    // A bar too thin for its hatching shows its tone alone.
    if (bar.bottom - bar.top < 2 * hatchSpacing_) {
        picture.Rect(bar, style.hatch == Hatch::kNone ? style.tone : Tone::kFaint);
        return;
    }
    Area(picture, RectOutline(bar), style);
    picture.Polyline(Closed(RectOutline(bar)), {});
}

void cChartLayout::DrawGanttRows(cChartPicture& picture, const Frame& frame) const {
    int count = static_cast<int>(spec_.rows.size());
    if (count == 0) return;
    double rowHeight = static_cast<double>(frame.plot.bottom - frame.plot.top) / count;
    // Names as often as they fit one below the other.
    int nameEvery = std::max(1, static_cast<int>(std::ceil(lineHeight_ / rowHeight)));
    int nameWidth = frame.plot.left - charWidth_;
    for (int i = 0; i < count; ++i) {
        const GanttRow& row = spec_.rows[static_cast<std::size_t>(i)];
        double top = frame.plot.top + i * rowHeight;
        int barTop = static_cast<int>(std::lround(top + rowHeight * 0.15));
        int barBottom = std::max(barTop + 1, static_cast<int>(std::lround(top + rowHeight * 0.85)));
        for (const GanttBar& bar : row.bars) {
            SurfaceRect box{X(frame, bar.start), barTop, X(frame, bar.end), barBottom};
            if (box.right <= box.left) box.right = box.left + 1;
            const AreaStyle& style =
                spec_
                    .categories[static_cast<std::size_t>(
                        std::clamp(bar.category, 0, static_cast<int>(spec_.categories.size()) - 1))]
                    .area;
            BarArea(picture, box, style, row.missing);
        }
        if (i % nameEvery != 0) continue;
        std::string name = row.name;
        while (!name.empty() && surface_.TextWidth(name) > nameWidth) name.pop_back();
        int middle = static_cast<int>(std::lround(top + rowHeight / 2));
        Label(picture, name, {nameWidth, middle - lineHeight_ / 2}, TextFlags::kRight);
    }
}

// --- Legend ---------------------------------------------------------------------------

std::vector<cChartLayout::LegendEntry> cChartLayout::Legend() const {
    std::vector<LegendEntry> legend;
    for (const ChartSeries& series : spec_.series) {
        if (series.name.empty()) continue;
        bool area = series.shape == SeriesShape::kBand ||
                    (series.shape == SeriesShape::kSteps && series.area.filled);
        legend.push_back({series.name, area, series.line, series.area});
    }
    for (const ChartCategory& category : spec_.categories)
        legend.push_back({category.name, true, {}, category.area});
    bool missing = std::any_of(spec_.rows.begin(), spec_.rows.end(),
                               [](const GanttRow& row) { return row.missing; });
    if (missing)
        legend.push_back({spec_.missingLabel, true, {}, {Tone::kShade, Hatch::kNone, false}});
    return legend;
}

std::vector<std::vector<const cChartLayout::LegendEntry*>> cChartLayout::LegendLines(
    const std::vector<LegendEntry>& legend, int width) const {
    std::vector<std::vector<const LegendEntry*>> lines;
    int used = width;
    for (const LegendEntry& entry : legend) {
        int entryWidth = 4 * charWidth_ + surface_.TextWidth(entry.text) + 2 * charWidth_;
        if (lines.empty() || used + entryWidth > width) {
            lines.emplace_back();
            used = 0;
        }
        lines.back().push_back(&entry);
        used += entryWidth;
    }
    return lines;
}

void cChartLayout::DrawLegend(cChartPicture& picture,
                              const std::vector<std::vector<const LegendEntry*>>& lines) const {
    int top = picture.Height() - static_cast<int>(lines.size()) * LegendLineHeight();
    for (const std::vector<const LegendEntry*>& line : lines) {
        int x = 0;
        for (const LegendEntry* entry : line) {
            SurfaceRect sample{x, top + lineHeight_ / 6, x + 3 * charWidth_,
                               top + lineHeight_ * 5 / 6};
            if (entry->area) {
                BarArea(picture, sample, entry->fill, !entry->fill.filled);
                if (entry->fill.filled && entry->line.weight > 1)
                    picture.Line({sample.left, sample.top}, {sample.right, sample.top},
                                 entry->line);
            } else {
                int middle = top + lineHeight_ / 2;
                picture.Line({sample.left, middle}, {sample.right, middle}, entry->line);
            }
            int textLeft = sample.right + charWidth_;
            Label(picture, entry->text, {textLeft, top}, TextFlags::kBase);
            x = textLeft + surface_.TextWidth(entry->text) + 2 * charWidth_;
        }
        top += LegendLineHeight();
    }
}

void cChartLayout::Label(cChartPicture& picture, const std::string& text, SurfacePoint at,
                         unsigned align) const {
    std::string shown = text;
    while (!shown.empty() && surface_.TextWidth(shown) > picture.Width()) shown.pop_back();
    if (shown.empty()) return;
    int width = surface_.TextWidth(shown);
    int left = at.x;
    if ((align & TextFlags::kAlignMask) == TextFlags::kCenter) left = at.x - width / 2;
    if ((align & TextFlags::kAlignMask) == TextFlags::kRight) left = at.x - width;
    left = std::max(0, std::min(left, picture.Width() - width));
    int top = std::clamp(at.y, 0, std::max(0, picture.Height() - lineHeight_));
    picture.Text(std::move(shown), {left, top}, TextFlags::kBase);
}

}  // namespace korval
