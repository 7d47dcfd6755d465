#pragma once

#include <cmath>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace korval {

struct PdfPoint {
    double x = 0;
    double y = 0;
};

struct PdfColor {
    double red = 0;
    double green = 0;
    double blue = 0;
    bool operator==(const PdfColor&) const = default;
};

// A glyph of a text run: where its origin lies on the baseline and how far it advances the
// pen, in page units, and the character it stands for (0: none known).
struct PlacedGlyph {
    std::uint16_t glyph = 0;
    double x = 0;
    double advance = 0;
    char32_t character = 0;
};

// The drawing operators of one page, in the page's own units with y growing downwards (the
// document maps them onto the PDF page). Colours and line styles are set only when they
// change, as a page sets thousands of them alike.
class cPdfContent {
  public:
    // Lines: a weight in page units, and a dash pattern (empty: solid).
    void SetLine(double width, std::span<const double> dashes);
    void SetStrokeColor(PdfColor color);
    void SetFillColor(PdfColor color);

    void StrokePolyline(std::span<const PdfPoint> points);
    void FillRect(double left, double top, double width, double height);
    // Filled by the even-odd rule.
    void FillPolygon(std::span<const PdfPoint> points);

    // A run of glyphs on one baseline in the font of the resource name at the size (page
    // units per em). widthOf gives each glyph's advance as the embedded font has it, in
    // thousandths of an em: where a glyph's place differs from the pen's by a thousandth of
    // an em's thousandth or more, the run moves it.
    template <typename WidthOf>
    void ShowGlyphs(std::string_view font, double size, double baseline,
                    std::span<const PlacedGlyph> glyphs, WidthOf widthOf);

    const std::string& Operators() const { return out_; }

  private:
    // Glyph places and widths are written to a millionth: Qt places glyphs in 64ths of a
    // pixel, which take six decimals.
    static constexpr int kPlaceDecimals = 6;
    // A number as written with so many decimals.
    static double Rounded(double value, int decimals);
    void Point(PdfPoint point);
    // Moves to the first point and draws lines to the others.
    void Path(std::span<const PdfPoint> points);
    void SetColor(PdfColor color, std::optional<PdfColor>& current, std::string_view operation);
    void Number(double value, int decimals = 3);
    void UseFont(std::string_view font, double size);
    void AppendGlyph(std::uint16_t glyph);

    std::string out_;
    double lineWidth_ = -1;
    std::vector<double> dashes_;
    std::optional<PdfColor> stroke_, fill_;
    std::string font_;
    double fontSize_ = 0;
};

template <typename WidthOf>
void cPdfContent::ShowGlyphs(std::string_view font, double size, double baseline,
                             std::span<const PlacedGlyph> glyphs, WidthOf widthOf) {
    if (glyphs.empty() || size <= 0) return;
    UseFont(font, size);
    // The pen where a reader puts it: from the numbers as written, rounded. Places are
    // written finely enough that glyphs placed by their widths need no moving.
    double pen = Rounded(glyphs.front().x, kPlaceDecimals);
    out_ += "BT 1 0 0 -1 ";
    Number(pen, kPlaceDecimals);
    Number(baseline, kPlaceDecimals);
    out_ += "Tm [<";
    for (const PlacedGlyph& placed : glyphs) {
        // Thousandths of an em that the pen moves back to reach the glyph's place.
        double shift = Rounded((pen - placed.x) * 1000 / size, 3);
        if (shift != 0) {
            out_ += "> ";
            Number(shift, 3);
            out_ += '<';
            pen -= shift * size / 1000;
        }
        AppendGlyph(placed.glyph);
        pen += widthOf(placed.glyph) * size / 1000;
    }
    out_ += ">] TJ ET\n";
}

}  // namespace korval
