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

cChartLayout::cChartLayout(const ChartContent& content, const cReportSurface& surface)
    : content_(content),
      surface_(surface),
      lineHeight_(std::max(1, surface.GetTextMetrics().height)),
      charWidth_(std::max(1, surface.GetTextMetrics().aveCharWidth)),
      hatchSpacing_(std::max(3, surface.GetTextMetrics().height / 3)) {}

int cChartLayout::PreferredHeight(const ChartContent& content, const TextMetrics& text,
                                  int maxHeight) {
    int line = std::max(1, text.height);
    int wanted = kXyChartLines * line;
    if (content.IsGantt()) {
        int rows = static_cast<int>(content.rows.size());
        wanted = std::max(kMinimumGanttLines * line, 6 * line + rows * line * 3 / 2);
    }
    return maxHeight > 0 ? std::min(wanted, maxHeight) : wanted;
}

// --- Scales and frames -----------------------------------------------------------------

double cChartLayout::DataRight() const {
    double right = 0;
    for (const ChartSeries& series : content_.series) {
        for (const ChartPoint& point : series.points) right = std::max(right, point.x);
    }
    for (const ChartMarker& marker : content_.markers) right = std::max(right, marker.x);
    for (const ChartPeak& peak : content_.peaks) right = std::max(right, peak.x);
    for (const GanttChartRow& row : content_.rows) {
        for (const GanttChartBar& bar : row.bars) right = std::max(right, bar.end);
    }
    return right;
}

double cChartLayout::DataTop() const {
    double top = 0;
    for (const ChartSeries& series : content_.series) {
        for (const ChartPoint& point : series.points) top = std::max(top, point.y);
        for (double high : series.upper) top = std::max(top, high);
    }
    for (const ChartPeak& peak : content_.peaks) top = std::max(top, peak.y);
    return top;
}

ChartScale cChartLayout::XScale(int plotWidth) const {
    double right = DataRight();
    double left = content_.XStart();
    // Labels at least three characters apart, and no more than a dozen of them.
    int labelWidth =
        surface_.TextWidth(ChartScale::Covering(left, right, 10).TickText(right)) + 3 * charWidth_;
    int ticks = std::clamp(plotWidth / std::max(1, labelWidth), 2, 12);
    return ChartScale::Covering(left, right, ticks);
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
    // A line and a half of room above the highest value for the labels standing on it.
    int headroom = lineHeight_ * 3 / 2;
    double top = DataTop();
    if (plotHeight > 2 * headroom) top *= static_cast<double>(plotHeight) / (plotHeight - headroom);
    frame.y = ChartScale::Covering(0, top, std::clamp(plotHeight / (2 * lineHeight_), 2, 10));
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
    for (const GanttChartRow& row : content_.rows) {
        nameWidth = std::max(nameWidth,
                             surface_.TextWidth(row.missing ? row.name + " (missing)" : row.name));
    }
    frame.plot.left = std::min(nameWidth, width * 2 / 5) + charWidth_;
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
    if (content_.IsGantt()) {
        Frame frame = GanttFrame(width, height, legendLines);
        DrawXAxis(picture, frame, true);
        DrawGanttRows(picture, frame);
        picture.Line({frame.plot.left, frame.plot.top}, {frame.plot.left, frame.plot.bottom}, {});
    } else {
        Frame frame = XyFrame(width, height, legendLines);
        DrawYAxis(picture, frame);
        DrawXAxis(picture, frame, true);
        for (const ChartSeries& series : content_.series) DrawSeries(picture, frame, series);
        std::vector<SurfaceRect> placed;
        DrawMarkers(picture, frame, placed);
        for (const ChartSeries& series : content_.series)
            DrawStepLabels(picture, frame, series, placed);
        DrawPeaks(picture, frame, placed);
        Label(picture, content_.yUnit, {0, 0}, TextFlags::kBase);
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
    Label(picture, content_.xUnit,
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
        // The steps' outline from the base and back to it; the area under them is one
        // polygon, so a long staffing table costs one shape and its hatching runs on.
        int base = Y(frame, 0);
        for (std::size_t i = 0; i + 1 < series.points.size(); ++i) {
            int top = Y(frame, series.points[i].y);
            line.push_back({X(frame, series.points[i].x), top});
            line.push_back({X(frame, series.points[i + 1].x), top});
        }
        if (!line.empty()) {
            line.insert(line.begin(), {line.front().x, base});
            line.push_back({line.back().x, base});
            Area(picture, line, series.area);
        }
    } else {
        for (const ChartPoint& point : series.points)
            line.push_back({X(frame, point.x), Y(frame, point.y)});
    }
    picture.Polyline(std::move(line), series.line);
}

namespace {

bool Overlaps(const SurfaceRect& a, const SurfaceRect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

bool OverlapsAny(const SurfaceRect& box, const std::vector<SurfaceRect>& placed) {
    return std::any_of(placed.begin(), placed.end(),
                       [&](const SurfaceRect& other) { return Overlaps(box, other); });
}

}  // namespace

std::optional<SurfaceRect> cChartLayout::ClearPlace(const Frame& frame, SurfaceRect box, int step,
                                                    const std::vector<SurfaceRect>& placed) const {
    while (box.top >= frame.plot.top && box.bottom <= frame.plot.bottom) {
        if (!OverlapsAny(box, placed)) return box;
        box.top += step;
        box.bottom += step;
    }
    return std::nullopt;
}

// Each step's name stands centred above it; a name wider than its step may reach over its
// neighbours, lifted a line at a time until it is clear of the names placed before it, or
// else inside the step below its edge.
void cChartLayout::DrawStepLabels(cChartPicture& picture, const Frame& frame,
                                  const ChartSeries& series,
                                  std::vector<SurfaceRect>& placed) const {
    if (series.shape != SeriesShape::kSteps) return;
    int gap = lineHeight_ / 8;
    for (std::size_t i = 0; i + 1 < series.points.size() && i < series.stepLabels.size(); ++i) {
        const std::string& text = series.stepLabels[i];
        if (text.empty()) continue;
        int width = surface_.TextWidth(text);
        int middle = (X(frame, series.points[i].x) + X(frame, series.points[i + 1].x)) / 2;
        int left = std::clamp(middle - width / 2, frame.plot.left + gap,
                              std::max(frame.plot.left + gap, frame.plot.right - width - gap));
        int stepTop = Y(frame, series.points[i].y);
        std::optional<SurfaceRect> box =
            ClearPlace(frame, {left, stepTop - lineHeight_ - gap, left + width, stepTop - gap},
                       -lineHeight_, placed);
        if (!box) {
            box =
                ClearPlace(frame, {left, stepTop + gap, left + width, stepTop + gap + lineHeight_},
                           lineHeight_, placed);
        }
        if (box)
            placed.push_back(Label(picture, text, {box->left, box->top}, TextFlags::kBase, true));
    }
}

void cChartLayout::DrawMarkers(cChartPicture& picture, const Frame& frame,
                               std::vector<SurfaceRect>& placed) const {
    for (const ChartMarker& marker : content_.markers) {
        int x = X(frame, marker.x);
        picture.Line({x, frame.plot.top}, {x, frame.plot.bottom}, {DashStyle::kDashed, 1});
        // Labels stand just above the time axis, where the curves are low.
        int width = surface_.TextWidth(marker.label);
        int left = x + charWidth_ / 2;
        if (left + width > frame.plot.right) left = x - charWidth_ / 2 - width;
        int top = frame.plot.bottom - lineHeight_ * 5 / 4;
        std::optional<SurfaceRect> box =
            ClearPlace(frame, {left, top, left + width, top + lineHeight_}, -lineHeight_, placed);
        if (box) {
            placed.push_back(
                Label(picture, marker.label, {box->left, box->top}, TextFlags::kBase, true));
        }
    }
}

void cChartLayout::DrawPeaks(cChartPicture& picture, const Frame& frame,
                             std::vector<SurfaceRect>& placed) const {
    int half = std::max(2, charWidth_ / 3);
    for (const ChartPeak& peak : content_.peaks) {
        SurfacePoint at{X(frame, peak.x), Y(frame, peak.y)};
        picture.Rect({at.x - half, at.y - half, at.x + half, at.y + half}, Tone::kInk);
        int width = surface_.TextWidth(peak.label);
        int left = at.x + 2 * half;
        if (left + width > frame.plot.right) left = at.x - 2 * half - width;
        SurfaceRect above{left, at.y - half - lineHeight_, left + width, at.y - half};
        std::optional<SurfaceRect> box = ClearPlace(frame, above, -lineHeight_, placed);
        if (!box) {
            box = ClearPlace(frame, {left, at.y + half, left + width, at.y + half + lineHeight_},
                             lineHeight_, placed);
        }
        if (box) {
            placed.push_back(
                Label(picture, peak.label, {box->left, box->top}, TextFlags::kBase, true));
        }
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
    int count = static_cast<int>(content_.rows.size());
    if (count == 0) return;
    double rowHeight = static_cast<double>(frame.plot.bottom - frame.plot.top) / count;
    // Names as often as they fit one below the other.
    int nameEvery = std::max(1, static_cast<int>(std::ceil(lineHeight_ / rowHeight)));
    int nameWidth = frame.plot.left - charWidth_;
    for (int i = 0; i < count; ++i) {
        const GanttChartRow& row = content_.rows[static_cast<std::size_t>(i)];
        double top = frame.plot.top + i * rowHeight;
        int barTop = static_cast<int>(std::lround(top + rowHeight * 0.15));
        int barBottom = std::max(barTop + 1, static_cast<int>(std::lround(top + rowHeight * 0.85)));
        for (const GanttChartBar& bar : row.bars) {
            SurfaceRect box{X(frame, bar.start), barTop, X(frame, bar.end), barBottom};
            if (box.right <= box.left) box.right = box.left + 1;
            const AreaStyle& style =
                content_
                    .categories[static_cast<std::size_t>(std::clamp(
                        bar.category, 0, static_cast<int>(content_.categories.size()) - 1))]
                    .area;
            BarArea(picture, box, style, row.missing);
        }
        if (i % nameEvery != 0) continue;
        std::string name = row.missing ? row.name + " (missing)" : row.name;
        while (!name.empty() && surface_.TextWidth(name) > nameWidth) name.pop_back();
        int middle = static_cast<int>(std::lround(top + rowHeight / 2));
        Label(picture, name, {nameWidth, middle - lineHeight_ / 2}, TextFlags::kRight);
    }
}

// --- Legend ---------------------------------------------------------------------------

std::vector<cChartLayout::LegendEntry> cChartLayout::Legend() const {
    std::vector<LegendEntry> legend;
    for (const ChartSeries& series : content_.series) {
        if (series.name.empty()) continue;
        bool area = series.shape == SeriesShape::kBand ||
                    (series.shape == SeriesShape::kSteps && series.area.filled);
        legend.push_back({series.name, area, series.line, series.area});
    }
    for (const ChartCategory& category : content_.categories)
        legend.push_back({category.name, true, {}, category.area});
    bool missing = std::any_of(content_.rows.begin(), content_.rows.end(),
                               [](const GanttChartRow& row) { return row.missing; });
    if (missing)
        legend.push_back({content_.missingLabel, true, {}, {Tone::kShade, Hatch::kNone, false}});
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

SurfaceRect cChartLayout::Label(cChartPicture& picture, const std::string& text, SurfacePoint at,
                                unsigned align, bool onPaper) const {
    std::string shown = text;
    while (!shown.empty() && surface_.TextWidth(shown) > picture.Width()) shown.pop_back();
    if (shown.empty()) return {at.x, at.y, at.x, at.y};
    int width = surface_.TextWidth(shown);
    int left = at.x;
    if ((align & TextFlags::kAlignMask) == TextFlags::kCenter) left = at.x - width / 2;
    if ((align & TextFlags::kAlignMask) == TextFlags::kRight) left = at.x - width;
    left = std::max(0, std::min(left, picture.Width() - width));
    int top = std::clamp(at.y, 0, std::max(0, picture.Height() - lineHeight_));
    SurfaceRect box{left, top, left + width, top + lineHeight_};
    if (onPaper) picture.Rect(box, Tone::kPaper);
    picture.Text(std::move(shown), {left, top}, TextFlags::kBase);
    return box;
}

}  // namespace korval
