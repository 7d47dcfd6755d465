#include "desktop/pdf/PrintFontMeasurement.h"

#include <fontconfig/fontconfig.h>

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>

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

// Where Qt's rectangle layout puts the baseline of a text that may wrap but fits on one
// line, below the rectangle's top; none unless it starts at the rectangle's left.
std::optional<qreal> WrappedLineBaseline(const QFont& font, const QPaintDevice& device) {
    cTextRunRecorder recorder(device);
    QPainter painter(&recorder);
    painter.setFont(font);
    painter.drawText(QRect(0, 0, 100000, 100000),
                     cQtReportSurface::QtTextFlags(TextFlags::kWordBreak), QStringLiteral("0"));
    painter.end();
    std::vector<cTextRunRecorder::Run> runs = recorder.TakeRuns();
    if (runs.size() != 1 || runs.front().origin.x() != 0) return std::nullopt;
    return runs.front().origin.y();
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
    font.wrappedLineHeight =
        surface.DrawText("0", box, TextFlags::kMeasureOnly | TextFlags::kWordBreak);
    std::optional<qreal> baseline = WrappedLineBaseline(surface.Font(), model);
    if (!baseline) return std::nullopt;
    font.wrappedLineAscent = *baseline;
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
