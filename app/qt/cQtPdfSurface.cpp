#include "app/qt/cQtPdfSurface.h"

#include <QGlyphRun>
#include <QTextLayout>

#include "app/qt/QtText.h"
#include "app/qt/cPlainTextGlyphs.h"
#include "framework/TextUtil.h"
#include "pdfwriter/PrintFontMetrics.h"
#include "pdfwriter/ReportGraphics.h"
#include "pdfwriter/cPdfDocument.h"

namespace korval {

namespace {

PdfColor PdfColorOf(const QColor& color) {
    return {color.redF(), color.greenF(), color.blueF()};
}

}  // namespace

// The font's PostScript-like name: its family and style without spaces.
std::string cQtPdfSurface::FontName(const QRawFont& font) {
    QString name = font.familyName() + QLatin1Char('-') + font.styleName();
    name.remove(QLatin1Char(' '));
    return ToStdString(name);
}

cTrueTypeTables cQtPdfSurface::TablesOf(const QRawFont& font) {
    cTrueTypeTables tables;
    auto take = [&](std::string_view tag) {
        QByteArray bytes = font.fontTable(std::string(tag).c_str());
        if (!bytes.isEmpty()) tables.Set(tag, bytes.toStdString());
    };
    for (std::string_view tag : cTrueTypeTables::kRequired) take(tag);
    for (std::string_view tag : cTrueTypeTables::kHinting) take(tag);
    return tables;
}

cQtPdfSurface::cQtPdfSurface(cPdfDocument& document, const QPaintDevice& device)
    : cQtPrinterSurface(nullptr, device, device.width(), device.height()),
      document_(document),
      device_(device) {}

cQtPdfSurface::~cQtPdfSurface() {
    if (recorderPainter_.isActive()) recorderPainter_.end();
}

std::optional<int> cQtPdfSurface::FontNumber(const QRawFont& font) {
    for (const auto& [known, number] : fonts_)
        if (known == font) return number;
    std::optional<int> number = document_.AddFont(FontName(font), TablesOf(font));
    fonts_.emplace_back(font, number);
    return number;
}

void cQtPdfSurface::ShowGlyphs(const QRawFont& font, qreal baseline,
                               const std::vector<PlacedGlyph>& glyphs) {
    std::optional<int> number = FontNumber(font);
    if (!number) {
        allFontsEmbedded_ = false;
        return;
    }
    document_.Page().SetFillColor(PdfColorOf(ColorOf(Tone::kInk)));
    document_.ShowGlyphs(*number, font.pixelSize(), baseline, glyphs);
}

// A run as Qt drew it: shaped again on one line, its glyphs placed from its origin.
void cQtPdfSurface::ShowRun(const cTextRunRecorder::Run& run) {
    QTextLayout layout(run.text, run.font, const_cast<QPaintDevice*>(&device_));
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(1e9);
    layout.endLayout();
    for (const QGlyphRun& shaped : line.glyphRuns()) {
        const QRawFont font = shaped.rawFont();
        QList<quint32> indexes = shaped.glyphIndexes();
        QList<QPointF> positions = shaped.positions();
        QList<QPointF> advances = font.advancesForGlyphIndexes(indexes);
        // Each glyph maps back to the first character of the run that the font draws with it.
        std::vector<PlacedGlyph> glyphs;
        for (qsizetype i = 0; i < indexes.size(); ++i)
            glyphs.push_back({static_cast<std::uint16_t>(indexes[i]),
                              run.origin.x() + positions[i].x(), advances.value(i).x(), 0});
        for (char32_t character : run.text.toUcs4()) {
            QList<quint32> own = font.glyphIndexesForString(QString::fromUcs4(&character, 1));
            for (PlacedGlyph& glyph : glyphs)
                if (!own.isEmpty() && own.front() != 0 && glyph.glyph == own.front() &&
                    glyph.character == 0)
                    glyph.character = character;
        }
        qreal baseline = run.origin.y() + positions.value(0).y() - line.ascent();
        ShowGlyphs(font, baseline, glyphs);
    }
}

template <typename Paint>
void cQtPdfSurface::DrawLaidOut(Paint paint) {
    if (!recorder_) {
        recorder_ = std::make_unique<cTextRunRecorder>(device_);
        recorderPainter_.begin(recorder_.get());
        recorderPainter_.setFont(Font());
    }
    paint(recorderPainter_);
    for (const cTextRunRecorder::Run& run : recorder_->TakeRuns()) ShowRun(run);
}

int cQtPdfSurface::DrawText(std::string_view text, const SurfaceRect& rect, unsigned flags) {
    int height = cQtPrinterSurface::DrawText(text, rect, flags | TextFlags::kMeasureOnly);
    if (flags & TextFlags::kMeasureOnly) return height;
    QRect box(rect.left, rect.top, qMax(1, rect.right - rect.left),
              qMax(1, rect.bottom - rect.top));
    const cPlainTextGlyphs* table = PlainTextGlyphs();
    if (table != nullptr && IsPlainLine(text, flags) && !(flags & TextFlags::kExpandTabs)) {
        QPointF origin = PlainLineOrigin(text, box, flags);
        std::vector<PlacedGlyph> glyphs;
        glyphs.reserve(text.size());
        table->ForEachGlyph(text, origin, [&](quint32 glyph, qreal x, qreal advance, char c) {
            glyphs.push_back(
                {static_cast<std::uint16_t>(glyph), x, advance, static_cast<char32_t>(c)});
        });
        // The baseline in Qt's text units, as the glyph table draws it.
        ShowGlyphs(table->Font(), static_cast<std::int32_t>(origin.y() * 64) / 64.0, glyphs);
        return height;
    }
    QString qtText = ToQtLineBreaks(PrintableText(text));
    DrawLaidOut([&](QPainter& painter) { painter.drawText(box, QtTextFlags(flags), qtText); });
    return height;
}

void cQtPdfSurface::DrawTextAt(std::string_view text, SurfacePoint at, unsigned flags) {
    QString qtText = ToQString(PrintableText(text));
    QPoint origin(AlignedAtPoint(at.x, Metrics().horizontalAdvance(qtText), flags),
                  at.y + Metrics().ascent());
    DrawLaidOut([&](QPainter& painter) { painter.drawText(origin, qtText); });
}

void cQtPdfSurface::DrawLine(SurfacePoint from, SurfacePoint to, const LineStyle& style) {
    SurfacePoint ends[] = {from, to};
    paper::StrokeLines(document_.Page(), ends, style, LineUnit(), PdfColorOf(ColorOf(style.tone)));
}

void cQtPdfSurface::DrawPolyline(std::span<const SurfacePoint> points, const LineStyle& style) {
    paper::StrokeLines(document_.Page(), points, style, LineUnit(),
                       PdfColorOf(ColorOf(style.tone)));
}

void cQtPdfSurface::FillRect(const SurfaceRect& rect, Tone tone) {
    paper::FillRect(document_.Page(), rect, PdfColorOf(ColorOf(tone)));
}

void cQtPdfSurface::FillPolygon(std::span<const SurfacePoint> points, Tone tone) {
    paper::FillPolygon(document_.Page(), points, PdfColorOf(ColorOf(tone)));
}

}  // namespace korval
