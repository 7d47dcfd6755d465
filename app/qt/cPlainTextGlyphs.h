#pragma once

#include <QRawFont>
#include <array>
#include <cstdint>
#include <memory>
#include <string_view>

class QFont;
class QPainter;
class QPaintDevice;
class QPointF;

namespace korval {

// The glyph and advance of each printable ASCII character in one font on one device, for
// fonts that shape such text one glyph per character, each with its own advance (no
// ligatures or kerning among them): a line of it is then drawn from this table instead of
// being shaped again. Printed reports draw thousands of such lines, and shaping each took
// as long as writing it to the page.
class cPlainTextGlyphs {
  public:
    // The table of the font as a painter on the device resolves it, made once per process
    // and font; null when the font does not draw plain text glyph by glyph.
    static std::shared_ptr<const cPlainTextGlyphs> For(const QFont& font,
                                                       const QPaintDevice& device);

    // The width of a line of printable ASCII, as Qt's text layout measures it.
    qreal Width(std::string_view text) const;
    // The same in whole pixels, rounded as QFontMetrics rounds it.
    int RoundedWidth(std::string_view text) const;
    // Draws a line of printable ASCII with its baseline's left end at origin, glyph for
    // glyph where drawing the text through Qt's text layout would put it.
    void Draw(QPainter& painter, std::string_view text, const QPointF& origin) const;
    // The same glyphs one by one: each(glyph, x, advance, character), x and advance in
    // device pixels, the baseline being origin's.
    template <typename Each>
    void ForEachGlyph(std::string_view text, const QPointF& origin, Each each) const;
    const QRawFont& Font() const { return font_; }
    // The glyph and the advance (in Qt's text units) of a printable ASCII character.
    quint32 GlyphOf(char c) const { return glyphs_[Index(c)]; }
    std::int32_t AdvanceOf(char c) const { return advances_[Index(c)]; }

  private:
    static constexpr char kFirst = ' ';
    static constexpr char kLast = '~';
    static constexpr int kCount = kLast - kFirst + 1;

    static std::shared_ptr<const cPlainTextGlyphs> Make(const QFont& font,
                                                        const QPaintDevice& device);
    static int Index(char c) { return c - kFirst; }
    std::int32_t WidthInTextUnits(std::string_view text) const;

    static std::int32_t TextUnits(qreal coordinate);

    QRawFont font_;
    std::array<quint32, kCount> glyphs_{};
    // In Qt's text units: 64ths of a device pixel.
    std::array<std::int32_t, kCount> advances_{};
};

template <typename Each>
void cPlainTextGlyphs::ForEachGlyph(std::string_view text, const QPointF& origin, Each each) const {
    // Positions in Qt's text units, as Qt converts the point it draws text at.
    std::int32_t x = TextUnits(origin.x());
    for (char c : text) {
        each(glyphs_[Index(c)], x / 64.0, advances_[Index(c)] / 64.0, c);
        x += advances_[Index(c)];
    }
}

}  // namespace korval
