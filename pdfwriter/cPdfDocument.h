#pragma once

#include <ctime>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "pdfwriter/cPageCompressor.h"
#include "pdfwriter/cPdfContent.h"
#include "pdfwriter/cPdfFont.h"

namespace korval {

// A PDF file being drawn page by page: pages of one size whose content is given in device
// units (so many per inch, y growing downwards from the top left corner), text as runs of
// glyphs from embedded TrueType fonts. Pages are compressed on another core as they are
// finished.
class cPdfDocument {
  public:
    struct Info {
        std::string title;
        std::string creator;
        std::time_t created = 0;
    };

    cPdfDocument(double pageWidthPoints, double pageHeightPoints, int unitsPerInch);
    ~cPdfDocument();

    // The number by which text runs name the font; none when its tables cannot be embedded.
    std::optional<int> AddFont(std::string name, cTrueTypeTables tables);

    void BeginPage();
    // The page begun last.
    cPdfContent& Page() { return page_; }
    // A run of glyphs of the font on one baseline; size in device units per em.
    void ShowGlyphs(int font, double size, double baseline, std::span<const PlacedGlyph> glyphs);
    void EndPage();
    int PageCount() const { return static_cast<int>(pages_.Count()); }

    // The whole file; no page can be added after it.
    std::string Bytes(const Info& info);
    // False when the file could not be written whole.
    bool Write(const std::string& path, const Info& info);

  private:
    double widthPoints_;
    double heightPoints_;
    double pointsPerUnit_;
    std::vector<std::unique_ptr<cPdfFont>> fonts_;
    cPdfContent page_;
    cPageCompressor pages_;
};

}  // namespace korval
