#pragma once

#include <span>
#include <string>
#include <string_view>

#include "framework/CostRate.h"
#include "framework/cDrawContext.h"

namespace korval {

class cModelDoc;

// One row of a report's Cost block: the effort it prices (person-months) under its label,
// with the range shown where the effort's own row shows one.
struct CostRow {
    std::string label;
    RangedFigure effort;
    bool showRange = false;
};

// A Cost block is shown while the rate is above 0 and the report's Cost switch is on.
bool ShowsCost(const cModelDoc& document, const CostRate& cost);

// The rows of a Cost block, under the heading the caller drew; each label follows the
// indent. Both return the height advanced.
int DrawCostRateRow(const cModelDoc& document, cDrawContext& dc, int& y, unsigned flags,
                    const CostRate& cost, std::string_view indent);
int DrawCostFigureRows(const cModelDoc& document, cDrawContext& dc, int& y, unsigned flags,
                       const CostRate& cost, std::string_view indent,
                       std::span<const CostRow> rows);

}  // namespace korval
