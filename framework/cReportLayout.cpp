#include "framework/cReportLayout.h"

#include <algorithm>

#include "framework/chart/cChartPicture.h"

namespace korval {

void cReportLayout::Add(cReportItem item) {
    tallest_ = std::max(tallest_, item.box.bottom - item.box.top);
    items_.push_back(std::move(item));
}

int cReportLayout::PageCount() const {
    if (!metrics_.paged) return 1;
    return height_ / (metrics_.bodyHeight > 0 ? metrics_.bodyHeight : 1) + 1;
}

std::span<const cReportItem> cReportLayout::OnPage(int page) const {
    auto first = std::partition_point(items_.begin(), items_.end(),
                                      [page](const cReportItem& item) { return item.page < page; });
    auto last = std::partition_point(first, items_.end(),
                                     [page](const cReportItem& item) { return item.page == page; });
    return {first, last};
}

std::vector<const cReportItem*> cReportLayout::Within(int top, int bottom) const {
    // Tops only grow, so the band's candidates are one run of items: those starting at most
    // the tallest item's height above the band and before its end.
    auto first = std::partition_point(items_.begin(), items_.end(), [&](const cReportItem& item) {
        return item.box.top < top - tallest_;
    });
    std::vector<const cReportItem*> within;
    for (auto it = first; it != items_.end() && it->box.top < bottom; ++it) {
        if (it->box.bottom > top || it->box.top >= top) within.push_back(&*it);
    }
    return within;
}

void cReportLayout::Draw(cReportSurface& surface, const cReportItem& item, int shift) const {
    int top = item.box.top - shift;
    if (item.kind == cReportItem::Kind::kChart) {
        if (item.chart) item.chart->Draw(surface, item.box.left, top);
        return;
    }
    // Text is placed from the top of a one-line box and flows below it when it wraps.
    surface.DrawText(item.text, {item.box.left, top, item.box.right, top + metrics_.text.height},
                     item.flags);
}

void cReportLayout::DrawAll(cReportSurface& surface) const {
    for (const cReportItem& item : items_) Draw(surface, item, 0);
}

void cReportLayout::DrawPage(cReportSurface& surface, int page) const {
    int shift = metrics_.paged ? (page - 1) * metrics_.bodyHeight : 0;
    for (const cReportItem& item : OnPage(page)) Draw(surface, item, shift);
}

void cReportLayout::DrawWithin(cReportSurface& surface, int top, int bottom) const {
    for (const cReportItem* item : Within(top, bottom)) Draw(surface, *item, 0);
}

}  // namespace korval
