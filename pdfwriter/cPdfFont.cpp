#include "pdfwriter/cPdfFont.h"

#include <cmath>

#include "pdfwriter/PdfSyntax.h"
#include "pdfwriter/cPdfObjects.h"

namespace korval {

namespace {

// A PDF name of the font's name: printable ASCII without delimiters, or "Font".
std::string NameToken(const std::string& name) {
    std::string token;
    for (char c : name)
        if (c > ' ' && c < 127 && std::string_view("()<>[]{}/%#").find(c) == std::string_view::npos)
            token += c;
    return token.empty() ? "Font" : token;
}

// The font's box and heights as exactly as the font has them: readers place a line's
// box from them.
constexpr int kMetricDecimals = 6;
// Widths to a millionth of an em, as glyphs are placed.
constexpr int kWidthDecimals = 6;

}  // namespace

cPdfFont::cPdfFont(std::string name, cTrueTypeTables tables)
    : name_(NameToken(name)),
      tables_(std::move(tables)),
      widths_(static_cast<std::size_t>(tables_.GlyphCount()), -1),
      characters_(widths_.size(), 0) {}

double cPdfFont::Use(const PlacedGlyph& placed, double size) {
    if (placed.glyph >= widths_.size()) return 0;
    double& width = widths_[placed.glyph];
    if (width < 0) width = std::round(placed.advance / size * 1e9) / 1e6;
    if (characters_[placed.glyph] == 0) characters_[placed.glyph] = placed.character;
    return width;
}

double cPdfFont::WidthOf(std::uint16_t glyph) const {
    return glyph < widths_.size() && widths_[glyph] > 0 ? widths_[glyph] : 0;
}

double cPdfFont::InThousandths(int fontUnits) const {
    return fontUnits * 1000.0 / tables_.UnitsPerEm();
}

std::vector<std::uint16_t> cPdfFont::UsedGlyphs() const {
    std::vector<std::uint16_t> used;
    for (std::size_t glyph = 0; glyph < widths_.size(); ++glyph)
        if (widths_[glyph] >= 0) used.push_back(static_cast<std::uint16_t>(glyph));
    return used;
}

std::string cPdfFont::Widths() const {
    std::string list = "[";
    for (std::uint16_t glyph : UsedGlyphs()) {
        list += std::to_string(glyph) + " [";
        pdf::AppendNumber(list, widths_[glyph], kWidthDecimals);
        list += "] ";
    }
    return list + "]";
}

std::string cPdfFont::CharacterMap() const {
    std::vector<std::uint16_t> mapped;
    for (std::uint16_t glyph : UsedGlyphs())
        if (characters_[glyph] != 0) mapped.push_back(glyph);
    std::string map =
        "/CIDInit /ProcSet findresource begin\n12 dict begin\nbegincmap\n"
        "/CIDSystemInfo << /Registry (Adobe) /Ordering (UCS) /Supplement 0 >> def\n"
        "/CMapName /Adobe-Identity-UCS def\n/CMapType 2 def\n"
        "1 begincodespacerange\n<0000> <FFFF>\nendcodespacerange\n";
    // A block holds at most a hundred entries.
    for (std::size_t first = 0; first < mapped.size(); first += 100) {
        std::size_t last = std::min(mapped.size(), first + 100);
        map += std::to_string(last - first) + " beginbfchar\n";
        for (std::size_t i = first; i < last; ++i) {
            map += '<';
            pdf::AppendUtf16Hex(map, mapped[i]);
            map += "> <";
            pdf::AppendUtf16Hex(map, characters_[mapped[i]]);
            map += ">\n";
        }
        map += "endbfchar\n";
    }
    return map + "endcmap\nCMapName currentdict /CMap defineresource pop\nend\nend\n";
}

void cPdfFont::Add(cPdfObjects& objects, int fontId, const std::string& tag) const {
    const int descendant = objects.Reserve(), descriptor = objects.Reserve(),
              file = objects.Reserve(), characters = objects.Reserve();
    const std::string baseName = "/" + tag + "+" + name_;
    auto ref = [](int id) { return " " + std::to_string(id) + " 0 R"; };
    objects.Add(fontId, "<</Type /Font /Subtype /Type0 /BaseFont " + baseName +
                            " /Encoding /Identity-H /DescendantFonts [" + ref(descendant) +
                            "] /ToUnicode" + ref(characters) + ">>");
    objects.Add(descendant,
                "<</Type /Font /Subtype /CIDFontType2 /BaseFont " + baseName +
                    " /CIDSystemInfo <</Registry (Adobe) /Ordering (Identity) /Supplement 0>>"
                    " /FontDescriptor" +
                    ref(descriptor) + " /CIDToGIDMap /Identity /DW 0 /W " + Widths() + ">>");
    std::string box;
    for (int edge :
         {tables_.BoxLeft(), tables_.BoxBottom(), tables_.BoxRight(), tables_.BoxTop()}) {
        pdf::AppendNumber(box, InThousandths(edge), kMetricDecimals);
        box += ' ';
    }
    std::string ascent, descent;
    pdf::AppendNumber(ascent, InThousandths(tables_.Ascender()), kMetricDecimals);
    pdf::AppendNumber(descent, InThousandths(tables_.Descender()), kMetricDecimals);
    objects.Add(descriptor, "<</Type /FontDescriptor /FontName " + baseName +
                                " /Flags 32 /FontBBox [" + box + "] /ItalicAngle 0 /Ascent " +
                                ascent + " /Descent " + descent + " /CapHeight " + ascent +
                                " /StemV 80 /FontFile2" + ref(file) + ">>");
    std::string subset = tables_.Subset(UsedGlyphs());
    objects.AddCompressedStream(file, "/Length1 " + std::to_string(subset.size()),
                                pdf::Deflate(subset));
    objects.AddCompressedStream(characters, "", pdf::Deflate(CharacterMap()));
}

}  // namespace korval
