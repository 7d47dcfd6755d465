#include "pdfwriter/cPdfDocument.h"

#include <cstdio>

#include "pdfwriter/PdfSyntax.h"
#include "pdfwriter/cPdfObjects.h"

namespace korval {

namespace {

std::string Ref(int id) {
    return std::to_string(id) + " 0 R";
}

// Six capital letters that mark the subset of the font with this number.
std::string SubsetTag(std::size_t font) {
    std::string tag = "KORV";
    tag += static_cast<char>('A' + font / 26 % 26);
    tag += static_cast<char>('A' + font % 26);
    return tag;
}

std::string DateOf(std::time_t time) {
    std::tm utc{};
    gmtime_r(&time, &utc);
    char text[32];
    std::strftime(text, sizeof text, "D:%Y%m%d%H%M%SZ", &utc);
    return text;
}

}  // namespace

cPdfDocument::cPdfDocument(double pageWidthPoints, double pageHeightPoints, int unitsPerInch)
    : widthPoints_(pageWidthPoints),
      heightPoints_(pageHeightPoints),
      pointsPerUnit_(72.0 / unitsPerInch) {}

cPdfDocument::~cPdfDocument() = default;

std::optional<int> cPdfDocument::AddFont(std::string name, cTrueTypeTables tables) {
    if (!tables.CanEmbed()) return std::nullopt;
    fonts_.push_back(std::make_unique<cPdfFont>(std::move(name), std::move(tables)));
    return static_cast<int>(fonts_.size() - 1);
}

void cPdfDocument::BeginPage() {
    page_ = cPdfContent();
}

void cPdfDocument::ShowGlyphs(int font, double size, double baseline,
                              std::span<const PlacedGlyph> glyphs) {
    cPdfFont& used = *fonts_.at(static_cast<std::size_t>(font));
    for (const PlacedGlyph& placed : glyphs) used.Use(placed, size);
    page_.ShowGlyphs("F" + std::to_string(font), size, baseline, glyphs,
                     [&used](std::uint16_t glyph) { return used.WidthOf(glyph); });
}

void cPdfDocument::EndPage() {
    std::string operators;
    // Device units onto the page: so many points each, y turned to grow upwards.
    pdf::AppendNumber(operators, pointsPerUnit_);
    operators += " 0 0 ";
    pdf::AppendNumber(operators, -pointsPerUnit_);
    operators += " 0 ";
    pdf::AppendNumber(operators, heightPoints_);
    operators += " cm\n";
    operators += page_.Operators();
    pages_.Add(std::move(operators));
    page_ = cPdfContent();
}

std::string cPdfDocument::Bytes(const Info& info) {
    cPdfObjects objects;
    const int catalog = objects.Reserve(), tree = objects.Reserve(),
              information = objects.Reserve(), resources = objects.Reserve();
    objects.Add(catalog, "<</Type /Catalog /Pages " + Ref(tree) + ">>");
    objects.Add(information, "<</Title " + pdf::TextString(info.title) + " /Creator " +
                                 pdf::TextString(info.creator) + " /Producer " +
                                 pdf::TextString(info.creator) + " /CreationDate (" +
                                 DateOf(info.created) + ")>>");
    std::string fonts;
    for (std::size_t font = 0; font < fonts_.size(); ++font) {
        int id = objects.Reserve();
        fonts_[font]->Add(objects, id, SubsetTag(font));
        fonts += "/F" + std::to_string(font) + " " + Ref(id) + " ";
    }
    objects.Add(resources, "<</Font <<" + fonts + ">> /ProcSet [/PDF /Text]>>");
    std::string box = "[0 0 ";
    pdf::AppendNumber(box, widthPoints_);
    box += ' ';
    pdf::AppendNumber(box, heightPoints_);
    box += ']';
    std::string kids;
    for (const std::string& operators : pages_.Finish()) {
        int page = objects.Reserve(), content = objects.Reserve();
        objects.Add(page, "<</Type /Page /Parent " + Ref(tree) + " /MediaBox " + box +
                              " /Resources " + Ref(resources) + " /Contents " + Ref(content) +
                              ">>");
        objects.AddCompressedStream(content, "", operators);
        kids += Ref(page) + " ";
    }
    objects.Add(tree, "<</Type /Pages /Kids [" + kids + "] /Count " +
                          std::to_string(pages_.Count()) + ">>");
    return objects.Finish(catalog, information);
}

bool cPdfDocument::Write(const std::string& path, const Info& info) {
    std::string bytes = Bytes(info);
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) return false;
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

}  // namespace korval
