#include "desktop/pdf/PrintFontMeasurement.h"

#include <fontconfig/fontconfig.h>

#include <QBuffer>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <cmath>

#include "app/qt/QtText.h"
#include "app/qt/cPlainTextGlyphs.h"
#include "app/qt/cQtPagedReport.h"
#include "app/qt/cQtPdfSurface.h"
#include "app/qt/cTextRunRecorder.h"
#include "pdfwriter/PrintFontCache.h"
#include "pdfwriter/cPdfDocument.h"

namespace korval {

namespace {

void AppendAll(FcStrList* list, std::vector<std::string>& paths) {
    if (list == nullptr) return;
    while (FcChar8* path = FcStrListNext(list)) paths.emplace_back(reinterpret_cast<char*>(path));
    FcStrListDone(list);
}

// Lines of text that may wrap, as many as korval-cli draws without Qt.
constexpr int kWrappedLines = 40;

QString Lines(int count) {
    QStringList lines;
    for (int line = 0; line < count; ++line) lines << QStringLiteral("0");
    return lines.join(QLatin1Char('\n'));
}

// Where Qt's rectangle layout puts the baseline of each line of a text that may wrap,
// below the rectangle's top; none unless every line starts at the rectangle's left.
std::optional<std::vector<double>> WrappedBaselines(const QFont& font, const QPaintDevice& device) {
    cTextRunRecorder recorder(device);
    QPainter painter(&recorder);
    painter.setFont(font);
    painter.drawText(QRect(0, 0, 100000, 100000),
                     cQtReportSurface::QtTextFlags(TextFlags::kWordBreak), Lines(kWrappedLines));
    painter.end();
    std::vector<double> baselines;
    for (const cTextRunRecorder::Run& run : recorder.TakeRuns()) {
        if (run.origin.x() != 0) return std::nullopt;
        baselines.push_back(run.origin.y());
    }
    if (baselines.size() != kWrappedLines) return std::nullopt;
    return baselines;
}

// How far the ink of a printable ASCII character's glyph reaches past its advance at most.
std::int32_t LargestOverhang(const QFont& font, const QPaintDevice& device) {
    QFontMetricsF metrics(font, &device);
    qreal largest = 0;
    for (char c = PrintFontMetrics::kFirst; c <= PrintFontMetrics::kLast; ++c)
        largest = std::max(largest, -metrics.rightBearing(QLatin1Char(c)));
    return static_cast<std::int32_t>(std::ceil(largest * 64));
}

}  // namespace

std::optional<PrintFontMetrics> MeasurePrintFont() {
    // The device and surface korval-cli's pages would otherwise be drawn on.
    QBuffer nowhere;
    QPdfWriter model(&nowhere);
    cQtPagedReport::SetUpPdfWriter(model);
    QRect paper = model.pageLayout().fullRectPoints();
    cPdfDocument unused(paper.width(), paper.height(), cQtPagedReport::kPdfResolution);
    cQtPdfSurface surface(unused, model);
    std::shared_ptr<const cPlainTextGlyphs> glyphs = cPlainTextGlyphs::For(surface.Font(), model);
    if (!glyphs) return std::nullopt;
    PrintFontMetrics font;
    font.tables = cQtPdfSurface::TablesOf(glyphs->Font());
    if (!font.tables.CanEmbed()) return std::nullopt;
    font.fontName = cQtPdfSurface::FontName(glyphs->Font());
    font.pixelSize = glyphs->Font().pixelSize();
    for (char c = PrintFontMetrics::kFirst; c <= PrintFontMetrics::kLast; ++c) {
        auto at = static_cast<std::size_t>(c - PrintFontMetrics::kFirst);
        font.glyphs[at] = static_cast<std::uint16_t>(glyphs->GlyphOf(c));
        font.advances[at] = glyphs->AdvanceOf(c);
    }
    font.lineAscent = surface.PlainLineAscent();
    font.pointAscent = surface.PointAscent();
    font.text = surface.GetTextMetrics();
    const SurfaceRect box{0, 0, 100000, 1};
    font.plainLineHeight = surface.DrawText("0", box, TextFlags::kMeasureOnly);
    font.emptyTextHeight = surface.DrawText("", box, TextFlags::kMeasureOnly);
    font.emptyWrappedTextHeight =
        surface.DrawText("", box, TextFlags::kMeasureOnly | TextFlags::kWordBreak);
    std::optional<std::vector<double>> baselines = WrappedBaselines(surface.Font(), model);
    if (!baselines) return std::nullopt;
    font.wrappedBaselines = *baselines;
    for (int lines = 1; lines <= kWrappedLines; ++lines) {
        font.wrappedHeights.push_back(surface.DrawText(
            ToStdString(Lines(lines)), box, TextFlags::kMeasureOnly | TextFlags::kWordBreak));
    }
    font.largestOverhang = LargestOverhang(surface.Font(), model);
    font.deviceWidth = surface.DeviceWidth();
    font.deviceHeight = surface.DeviceHeight();
    font.dpiX = surface.PixelsPerInchX();
    font.dpiY = surface.PixelsPerInchY();
    font.pageWidthPoints = paper.width();
    font.pageHeightPoints = paper.height();
    return font;
}

std::vector<std::string> FontConfigurationPaths() {
    std::vector<std::string> paths;
    FcConfig* config = FcConfigGetCurrent();
    AppendAll(FcConfigGetConfigFiles(config), paths);
    AppendAll(FcConfigGetConfigDirs(config), paths);
    AppendAll(FcConfigGetFontDirs(config), paths);
    return paths;
}

void KeepPrintFontMetrics(const std::string& renderer) {
    if (printfont::LoadCurrent(renderer)) return;
    std::optional<PrintFontMetrics> font = MeasurePrintFont();
    if (!font) return;
    printfont::Store(printfont::CurrentSetup(renderer, FontConfigurationPaths()), *font);
}

}  // namespace korval
