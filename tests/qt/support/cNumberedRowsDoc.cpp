#include "tests/qt/support/cNumberedRowsDoc.h"

#include "framework/NumberText.h"

namespace korval::testing {

cNumberedRowsDoc::cNumberedRowsDoc(cAppContext& context, int rows)
    : cModelDoc(context, DocumentKind::Cocomo), rows_(rows) {
    ResetToDefaults();
}

std::string cNumberedRowsDoc::RowLabel(int row) {
    return FormatNumber("Row %03d:", row);
}

std::string cNumberedRowsDoc::RowValue(int row) {
    return FormatNumber("%d.5", row * 7);
}

int cNumberedRowsDoc::DrawReport(cDrawContext& dc, int& y, unsigned flags) {
    int total = cModelDoc::DrawReport(dc, y, flags);
    for (int row = 1; row <= rows_; ++row) {
        total += DrawRow(dc, y, "", RowLabel(row), RowValue(row), "person months", flags, 0.5);
    }
    return FinishReport(dc, total);
}

}  // namespace korval::testing
