#include "framework/CostReport.h"

#include "framework/cModelDoc.h"

namespace korval {

namespace {
constexpr double kRowSpacing = 0.5;
}  // namespace

bool ShowsCost(const cModelDoc& document, const CostRate& cost) {
    return cost.IsPriced() && document.GetFilter(cModelDoc::kCostSwitch) == FilterState::On;
}

int DrawCostRateRow(const cModelDoc& document, cDrawContext& dc, int& y, unsigned flags,
                    const CostRate& cost, std::string_view indent) {
    return document.DrawRow(dc, y, "", std::string(indent) + "Rate:", RateText(cost), "", flags,
                            kRowSpacing);
}

int DrawCostFigureRows(const cModelDoc& document, cDrawContext& dc, int& y, unsigned flags,
                       const CostRate& cost, std::string_view indent,
                       std::span<const CostRow> rows) {
    int advanced = 0;
    for (const CostRow& row : rows) {
        RangedFigure money = cost.CostOf(row.effort);
        std::string range =
            row.showRange ? "(" + MoneyText(money.low, "") + " - " + MoneyText(money.high, "") + ")"
                          : std::string();
        advanced +=
            document.DrawRow(dc, y, "", std::string(indent) + row.label,
                             MoneyText(money.value, cost.currency), range, flags, kRowSpacing);
    }
    return advanced;
}

}  // namespace korval
