#include "framework/ReportPaging.h"

#include <algorithm>

namespace korval {

int KeepBlockTogether(const cDrawContext& dc, int& y, int height) {
    const PageMetrics& m = dc.metrics;
    if (!m.paged || m.bodyHeight <= 0) return 0;
    int y0 = std::max(y, m.topMargin);
    int positionOnPage = (y0 - m.topMargin) % m.bodyHeight;
    if (positionOnPage == 0 || positionOnPage + height <= m.bodyHeight || height > m.bodyHeight)
        return 0;
    int next = y0 - positionOnPage + m.bodyHeight;
    int skipped = next - y;
    y = next;
    return skipped;
}

int OneLineRowsHeight(const PageMetrics& metrics, int rows, double spacing) {
    int row = metrics.text.height + static_cast<int>(metrics.text.height * spacing);
    return rows * row;
}

}  // namespace korval
