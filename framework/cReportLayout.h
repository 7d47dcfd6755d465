#pragma once

#include <span>
#include <vector>

#include "framework/PageMetrics.h"
#include "framework/cReportItem.h"

namespace korval {

// A report laid out once on one surface: its items in reading order, each at its place
// and on its page. Printing draws it page by page, the screen draws the part in view and
// the command line draws all of it, so no figure is computed nor text measured again.
class cReportLayout {
  public:
    explicit cReportLayout(const PageMetrics& metrics) : metrics_(metrics) {}

    // Items come in reading order: top to bottom, so pages never go back.
    void Add(cReportItem item);
    // The height the report body advanced by, as the layout pass returned it.
    void SetHeight(int height) { height_ = height; }

    const PageMetrics& Metrics() const { return metrics_; }
    const std::vector<cReportItem>& Items() const { return items_; }
    int Height() const { return height_; }
    // The last printed page: as many pages as the body's height fills, and one more.
    int PageCount() const;

    std::span<const cReportItem> OnPage(int page) const;
    // The items that reach into the band from top (inclusive) to bottom (exclusive).
    std::vector<const cReportItem*> Within(int top, int bottom) const;

    // Draws every item, the items of one printed page at their place on that page, or the
    // items reaching into a band (a screen's visible part, in report coordinates).
    void DrawAll(cReportSurface& surface) const;
    void DrawPage(cReportSurface& surface, int page) const;
    void DrawWithin(cReportSurface& surface, int top, int bottom) const;

  private:
    void Draw(cReportSurface& surface, const cReportItem& item, int shift) const;

    PageMetrics metrics_;
    std::vector<cReportItem> items_;
    int height_ = 0;
    int tallest_ = 0;  // the tallest item: how far above a band an item may start
};

}  // namespace korval
