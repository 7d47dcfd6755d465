#include <gtest/gtest.h>
#include <zlib.h>

#include <map>
#include <random>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "pdfwriter/PdfSyntax.h"
#include "pdfwriter/cPageCompressor.h"
#include "pdfwriter/cPdfContent.h"
#include "pdfwriter/cPdfDocument.h"
#include "pdfwriter/cTrueTypeTables.h"
#include "tests/support/SyntheticPrintFont.h"

namespace korval {
namespace {

using testing::BigEndian16;

// A simple glyph: one contour, a box, then bytes the subset must copy as they are.
std::string SimpleGlyph(char fill, std::size_t size) {
    return BigEndian16({1, 0, 0, 100, 100}) + std::string(size, fill);
}

// A composite glyph of glyphs 1 (with word arguments) and 2 (with a scale).
std::string CompositeGlyph() {
    return BigEndian16({0xFFFF, 0, 0, 100, 100}) + BigEndian16({0x0021, 1, 0, 0}) +
           BigEndian16({0x0008, 2}) + std::string(2, '\0') + BigEndian16({0x4000});
}

// Six glyphs: 0 notdef, 1 and 2 simple, 3 a composite of 1 and 2, 4 empty, 5 simple; in
// short offsets, as small fonts keep them.
struct SmallFont {
    std::vector<std::string> glyphs = {
        SimpleGlyph('n', 6), SimpleGlyph('a', 10), SimpleGlyph('b', 4), CompositeGlyph(), "",
        SimpleGlyph('z', 8)};
    cTrueTypeTables tables;

    SmallFont() {
        std::string outlines;
        std::vector<unsigned> offsets;
        for (const std::string& glyph : glyphs) {
            offsets.push_back(static_cast<unsigned>(outlines.size() / 2));
            outlines += glyph;
        }
        offsets.push_back(static_cast<unsigned>(outlines.size() / 2));
        std::string head(54, '\0');
        head.replace(18, 2, BigEndian16({2048}));
        head.replace(36, 8, BigEndian16({0xFF00, 0xFE00, 2000, 1800}));  // -256 -512 2000 1800
        tables.Set("head", head);
        std::string hhea(36, '\0');
        hhea.replace(4, 4, BigEndian16({1800, 0xFE00}));
        hhea.replace(34, 2, BigEndian16({6}));
        tables.Set("hhea", hhea);
        tables.Set("maxp", BigEndian16({1, 0, static_cast<unsigned>(glyphs.size())}));
        tables.Set("hmtx", BigEndian16({500, 0, 600, 0, 700, 0, 800, 0, 0, 0, 900, 0}));
        std::string loca;
        for (unsigned offset : offsets) loca += BigEndian16({offset});
        tables.Set("loca", loca);
        tables.Set("glyf", outlines);
        tables.Set("prep", "hint");
    }
};

// The tables of a font file, read independently of the writer; checks the directory.
std::map<std::string, std::string> ReadFontFile(const std::string& file) {
    std::map<std::string, std::string> tables;
    auto count = cTrueTypeTables::UInt16(file, 4);
    EXPECT_EQ(cTrueTypeTables::UInt32(file, 0), 0x00010000u);
    for (std::uint32_t i = 0; i < count; ++i) {
        std::size_t entry = 12 + 16 * i;
        std::uint32_t offset = cTrueTypeTables::UInt32(file, entry + 8);
        std::uint32_t length = cTrueTypeTables::UInt32(file, entry + 12);
        EXPECT_EQ(offset % 4, 0u);
        EXPECT_LE(offset + length, file.size());
        std::string bytes = file.substr(offset, length);
        std::string padded = bytes + std::string((4 - length % 4) % 4, '\0');
        std::uint32_t sum = 0;
        for (std::size_t at = 0; at < padded.size(); at += 4)
            sum += cTrueTypeTables::UInt32(padded, at);
        EXPECT_EQ(sum, cTrueTypeTables::UInt32(file, entry + 4)) << file.substr(entry, 4);
        tables[file.substr(entry, 4)] = bytes;
    }
    return tables;
}

TEST(TrueTypeSubsetTest, KeepsTheDrawnGlyphsTheirPartsAndNumbersAndEmptiesTheRest) {
    SmallFont font;
    ASSERT_TRUE(font.tables.CanEmbed());
    const std::vector<std::uint16_t> drawn = {3, 3, 40};  // 40 lies outside the font
    std::map<std::string, std::string> subset = ReadFontFile(font.tables.Subset(drawn));
    for (const char* tag : {"head", "hhea", "maxp", "hmtx", "loca", "glyf", "prep"})
        EXPECT_TRUE(subset.count(tag)) << tag;
    EXPECT_EQ(cTrueTypeTables::Int16(subset["head"], 50), 1);  // long offsets now
    EXPECT_EQ(subset["hmtx"], std::string(font.tables.Table("hmtx")));
    const std::string& loca = subset["loca"];
    ASSERT_EQ(loca.size(), (font.glyphs.size() + 1) * 4);
    const std::vector<bool> kept = {true, true, true, true, false, false};
    for (std::size_t glyph = 0; glyph < font.glyphs.size(); ++glyph) {
        std::uint32_t start = cTrueTypeTables::UInt32(loca, glyph * 4);
        std::uint32_t end = cTrueTypeTables::UInt32(loca, glyph * 4 + 4);
        ASSERT_LE(start, end);
        std::string bytes = subset["glyf"].substr(start, end - start);
        std::string expected = kept[glyph] ? font.glyphs[glyph] : "";
        expected.resize((expected.size() + 3) / 4 * 4, '\0');
        EXPECT_EQ(bytes, expected) << "glyph " << glyph;
    }
}

TEST(TrueTypeSubsetTest, RefusesFontsItCannotEmbed) {
    SmallFont cut;
    cut.tables.Set("loca", std::string(cut.tables.Table("loca").substr(0, 6)));
    SmallFont outlinesElsewhere;
    outlinesElsewhere.tables.Set("glyf", "");
    EXPECT_FALSE(cut.tables.CanEmbed());
    EXPECT_FALSE(outlinesElsewhere.tables.CanEmbed());
}

TEST(PdfSyntaxTest, NumbersAndTextStrings) {
    struct Case {
        double value;
        int decimals;
        const char* text;
    };
    for (const Case& c : {Case{0, 3, "0"}, Case{-0.0004, 3, "0"}, Case{1.5, 3, "1.5"},
                          Case{-2.25, 3, "-2.25"}, Case{1234.5678, 3, "1234.568"},
                          Case{0.06, 3, "0.06"}, Case{891.11328125, 6, "891.113281"},
                          Case{1e6, 3, "1000000"}, Case{-0.0005, 3, "-0.001"}}) {
        std::string out;
        pdf::AppendNumber(out, c.value, c.decimals);
        EXPECT_EQ(out, c.text) << c.value;
    }
    EXPECT_EQ(pdf::TextString("A\xC3\x9C\xF0\x9F\x98\x80"), "<FEFF004100DCD83DDE00>");
    EXPECT_EQ(pdf::TextString("\xFF"
                              "b"),
              "<FEFFFFFD0062>");  // a stray byte
}

// Reads a run back as a reader does: the text matrix's start, then each glyph where the pen
// stands, the pen moving by the glyph's width and back by each number.
std::vector<std::pair<std::uint16_t, double>> ReadRun(
    const std::string& operators, double size, const std::map<std::uint16_t, double>& widths) {
    std::smatch match;
    EXPECT_TRUE(
        std::regex_search(operators, match, std::regex("1 0 0 -1 (\\S+) (\\S+) Tm \\[(.*)\\] TJ")));
    double pen = std::stod(match[1]);
    std::vector<std::pair<std::uint16_t, double>> placed;
    std::string array = match[3];
    for (std::size_t at = 0; at < array.size();) {
        if (array[at] == '<') {
            std::size_t end = array.find('>', at);
            for (std::size_t digit = at + 1; digit + 4 <= end; digit += 4) {
                auto glyph =
                    static_cast<std::uint16_t>(std::stoul(array.substr(digit, 4), nullptr, 16));
                placed.emplace_back(glyph, pen);
                pen += widths.at(glyph) * size / 1000;
            }
            at = end + 1;
        } else if (array[at] == ' ') {
            ++at;
        } else {
            std::size_t end = array.find('<', at);
            pen -= std::stod(array.substr(at, end - at)) * size / 1000;
            at = end;
        }
    }
    return placed;
}

// Over many generated runs (glyphs whose places differ from their widths as kerning and
// rounding make them), every glyph is read back where it was placed.
TEST(PdfContentTest, EveryGlyphOfARunLandsWhereItWasPlaced) {
    std::mt19937 random(7);
    for (int trial = 0; trial < 200; ++trial) {
        double size = std::uniform_real_distribution<double>(5, 400)(random);
        std::map<std::uint16_t, double> widths;
        std::vector<PlacedGlyph> glyphs;
        double x = std::uniform_real_distribution<double>(-50, 5000)(random);
        int count = std::uniform_int_distribution<int>(1, 60)(random);
        for (int i = 0; i < count; ++i) {
            auto glyph =
                static_cast<std::uint16_t>(std::uniform_int_distribution<int>(0, 20)(random));
            double width =
                std::round(std::uniform_real_distribution<double>(0, 1000)(random) * 1000) / 1000;
            widths.emplace(glyph, width);  // the first use fixes a glyph's width
            glyphs.push_back({glyph, x, 0, 0});
            double jitter =
                trial % 3 == 0 ? 0 : std::uniform_real_distribution<double>(-3, 3)(random);
            x += widths.at(glyph) * size / 1000 + jitter;
        }
        cPdfContent content;
        content.ShowGlyphs("F0", size, 100, glyphs,
                           [&](std::uint16_t glyph) { return widths.at(glyph); });
        auto placed = ReadRun(content.Operators(), size, widths);
        ASSERT_EQ(placed.size(), glyphs.size());
        for (std::size_t i = 0; i < glyphs.size(); ++i) {
            EXPECT_EQ(placed[i].first, glyphs[i].glyph);
            EXPECT_NEAR(placed[i].second, glyphs[i].x, 0.5e-6 * size + 1e-9) << "trial " << trial;
        }
        if (trial % 3 == 0) {
            EXPECT_EQ(content.Operators().find("> "), std::string::npos);  // nothing to move
        }
    }
}

std::string Inflate(const std::string& data) {
    std::string out(1 << 20, '\0');
    uLongf size = out.size();
    EXPECT_EQ(uncompress(reinterpret_cast<Bytef*>(out.data()), &size,
                         reinterpret_cast<const Bytef*>(data.data()), data.size()),
              Z_OK);
    out.resize(size);
    return out;
}

// Pages compressed beside the drawing come back whole and in the order they were added,
// however the two threads share them.
TEST(PageCompressorTest, EveryPageComesBackInOrder) {
    std::mt19937 random(11);
    std::vector<std::string> pages;
    cPageCompressor compressor;
    for (int page = 0; page < 60; ++page) {
        std::string operators(std::uniform_int_distribution<std::size_t>(0, 40000)(random), '\0');
        for (char& c : operators) c = static_cast<char>('a' + random() % 7);
        pages.push_back(operators);
        compressor.Add(operators);
    }
    const std::vector<std::string>& compressed = compressor.Finish();
    ASSERT_EQ(compressed.size(), pages.size());
    for (std::size_t page = 0; page < pages.size(); ++page)
        EXPECT_EQ(Inflate(compressed[page]), pages[page]) << "page " << page;
}

// A written file read back through its cross-reference table: every object where the table
// says, every stream as long as it says, the pages and the embedded subset as drawn.
TEST(PdfDocumentTest, TheFileReadsBackThroughItsCrossReferences) {
    SmallFont font;
    cPdfDocument pdf(595, 842, 1200);
    std::optional<int> number = pdf.AddFont("Small Font", font.tables);
    ASSERT_TRUE(number);
    EXPECT_FALSE(pdf.AddFont("Cut", cTrueTypeTables()));
    for (int page = 0; page < 2; ++page) {
        pdf.BeginPage();
        std::vector<PlacedGlyph> run = {{1, 100, 60, U'a'}, {3, 160, 70, U'\u00C4'}};
        pdf.ShowGlyphs(*number, 200, 300, run);
        PdfPoint line[] = {{0, 0}, {100, 200}};
        pdf.Page().StrokePolyline(line);
        pdf.EndPage();
    }
    std::string file = pdf.Bytes({"Title \xC3\x9C", "Korval", 0});
    ASSERT_EQ(file.rfind("%PDF-1.4\n", 0), 0u);
    std::size_t table = std::stoul(file.substr(file.rfind("startxref\n") + 10));
    ASSERT_EQ(file.compare(table, 5, "xref\n"), 0);
    std::istringstream xref(file.substr(table + 5));
    int first = 0, count = 0;
    xref >> first >> count;
    std::map<int, std::string> objects;
    for (int id = 0; id < count; ++id) {
        std::string offset, generation, kind;
        xref >> offset >> generation >> kind;
        if (id == 0) continue;
        std::size_t at = std::stoul(offset);
        std::string heading = std::to_string(id) + " 0 obj\n";
        ASSERT_EQ(file.compare(at, heading.size(), heading), 0) << id;
        objects[id] =
            file.substr(at + heading.size(), file.find("endobj", at) - at - heading.size());
    }
    std::vector<std::string> streams;
    for (const auto& [id, body] : objects) {
        std::smatch length;
        if (!std::regex_search(body, length, std::regex("/Length (\\d+)>>\nstream\n"))) continue;
        std::size_t start = length.position(0) + length.length(0);
        std::size_t size = std::stoul(length[1]);
        ASSERT_EQ(body.compare(start + size, 11, "\nendstream\n"), 0) << id;
        streams.push_back(Inflate(body.substr(start, size)));
    }
    int pages = 0;
    bool subsetFound = false, mapFound = false;
    for (const std::string& stream : streams) {
        if (stream.rfind("0.06 0 0 -0.06 0 842 cm\n", 0) == 0) {
            ++pages;
            EXPECT_NE(stream.find("/F0 200 Tf\nBT 1 0 0 -1 100 300 Tm [<00010003>] TJ ET"),
                      std::string::npos)
                << stream;
        }
        std::vector<std::uint16_t> drawn = {1, 3};
        subsetFound = subsetFound || stream == font.tables.Subset(drawn);
        mapFound = mapFound || stream.find("<0001> <0061>\n<0003> <00C4>") != std::string::npos;
    }
    EXPECT_EQ(pages, 2);
    EXPECT_TRUE(subsetFound);
    EXPECT_TRUE(mapFound);
    EXPECT_NE(file.find("/Count 2"), std::string::npos);
    EXPECT_NE(file.find("/W [1 [300] 3 [350] ]"), std::string::npos);
    EXPECT_NE(file.find("/Title <FEFF005400690074006C0065002000DC>"), std::string::npos);
    EXPECT_NE(file.find("/MediaBox [0 0 595 842]"), std::string::npos);
}

}  // namespace
}  // namespace korval
