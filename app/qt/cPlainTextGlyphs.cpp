#include "app/qt/cPlainTextGlyphs.h"

#include <QCoreApplication>
#include <QGlyphRun>
#include <QPaintDevice>
#include <QPainter>
#include <QTextLayout>
#include <cmath>
#include <functional>
#include <map>
#include <mutex>
#include <vector>

namespace korval {

namespace {

// Appends, from the symbols 0 to count - 1, a sequence holding every ordered pair of them
// once as neighbours (a de Bruijn sequence of order 2, opened into a line): for each symbol
// s in turn, s itself and then s before each larger symbol; the first symbol closes it.
void AppendEveryPair(int count, const std::function<void(int)>& append) {
    for (int first = 0; first < count; ++first) {
        append(first);
        for (int second = first + 1; second < count; ++second) {
            append(first);
            append(second);
        }
    }
    append(0);
}

// Every printable ASCII character alone, then every pair of them as neighbours and the
// triples that fonts join into one glyph: a font that shapes this one glyph per character,
// each glyph with its own advance, shapes every line of printable ASCII so.
QString ProbeText() {
    QString text;
    for (char c = ' '; c <= '~'; ++c) text += QLatin1Char(c);
    AppendEveryPair('~' - ' ' + 1,
                    [&text](int symbol) { text += QLatin1Char(char(' ' + symbol)); });
    text += QStringLiteral("ffi ffl fff fft ffb ffh ffj ffk");
    return text;
}

struct ShapedGlyph {
    quint32 glyph;
    std::int32_t x;  // in text units
};

struct ShapedLine {
    QRawFont font;
    std::vector<ShapedGlyph> glyphs;
};

// The text as Qt's text layout shapes it on one line; no glyphs when they come from more
// than one font or are not one per character.
ShapedLine ShapeOnOneLine(const QString& text, const QFont& font, const QPaintDevice& device) {
    QTextLayout layout(text, font, const_cast<QPaintDevice*>(&device));
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(1e9);
    layout.endLayout();
    ShapedLine shaped;
    for (const QGlyphRun& run : line.glyphRuns()) {
        if (shaped.glyphs.empty()) shaped.font = run.rawFont();
        if (run.rawFont() != shaped.font) return {};
        QList<quint32> indexes = run.glyphIndexes();
        QList<QPointF> positions = run.positions();
        for (qsizetype i = 0; i < indexes.size(); ++i)
            shaped.glyphs.push_back(
                {indexes[i], static_cast<std::int32_t>(std::lround(positions[i].x() * 64))});
    }
    if (shaped.glyphs.size() != static_cast<std::size_t>(text.size())) return {};
    return shaped;
}

}  // namespace

std::shared_ptr<const cPlainTextGlyphs> cPlainTextGlyphs::Make(const QFont& font,
                                                               const QPaintDevice& device) {
    const QString text = ProbeText();
    const ShapedLine shaped = ShapeOnOneLine(text, font, device);
    const std::vector<ShapedGlyph>& glyphs = shaped.glyphs;
    if (glyphs.empty()) return nullptr;
    auto table = std::make_shared<cPlainTextGlyphs>();
    table->font_ = shaped.font;
    for (int i = 0; i < kCount; ++i) {
        if (glyphs[i].glyph == 0) return nullptr;  // a character the font lacks
        table->glyphs_[i] = glyphs[i].glyph;
        table->advances_[i] = glyphs[i + 1].x - glyphs[i].x;
    }
    for (std::size_t i = 0; i + 1 < glyphs.size(); ++i) {
        int c = Index(text[static_cast<qsizetype>(i)].toLatin1());
        if (glyphs[i].glyph != table->glyphs_[c] ||
            glyphs[i + 1].x - glyphs[i].x != table->advances_[c])
            return nullptr;
    }
    return table;
}

namespace {

std::mutex gTablesMutex;
std::map<QString, std::shared_ptr<const cPlainTextGlyphs>> gTables;

// The tables hold fonts of the Qt application: they go with it, before its font database.
void ForgetTables() {
    std::lock_guard lock(gTablesMutex);
    gTables.clear();
}

}  // namespace

std::shared_ptr<const cPlainTextGlyphs> cPlainTextGlyphs::For(const QFont& font,
                                                              const QPaintDevice& device) {
    QFont resolved(font, &device);
    QString key = resolved.key() + QLatin1Char('@') + QString::number(device.logicalDpiX()) +
                  QLatin1Char('x') + QString::number(device.logicalDpiY());
    std::lock_guard lock(gTablesMutex);
    auto found = gTables.find(key);
    if (found == gTables.end()) {
        if (gTables.empty()) qAddPostRoutine(&ForgetTables);
        found = gTables.emplace(key, Make(resolved, device)).first;
    }
    return found->second;
}

// Qt's text units (64ths of a pixel) of a coordinate, as Qt converts a point it draws text at.
std::int32_t cPlainTextGlyphs::TextUnits(qreal coordinate) {
    return static_cast<std::int32_t>(coordinate * 64);
}

std::int32_t cPlainTextGlyphs::WidthInTextUnits(std::string_view text) const {
    std::int32_t width = 0;
    for (char c : text) width += advances_[Index(c)];
    return width;
}

qreal cPlainTextGlyphs::Width(std::string_view text) const {
    return WidthInTextUnits(text) / 64.0;
}

int cPlainTextGlyphs::RoundedWidth(std::string_view text) const {
    return (WidthInTextUnits(text) + 32) >> 6;
}

void cPlainTextGlyphs::Draw(QPainter& painter, std::string_view text, const QPointF& origin) const {
    QList<quint32> indexes;
    QList<QPointF> positions;
    indexes.reserve(static_cast<qsizetype>(text.size()));
    positions.reserve(static_cast<qsizetype>(text.size()));
    const qreal y = TextUnits(origin.y()) / 64.0;
    ForEachGlyph(text, origin, [&](quint32 glyph, qreal x, qreal, char) {
        indexes.append(glyph);
        positions.append(QPointF(x, y));
    });
    QGlyphRun run;
    run.setRawFont(font_);
    run.setGlyphIndexes(indexes);
    run.setPositions(positions);
    painter.drawGlyphRun(QPointF(0, 0), run);
}

}  // namespace korval
