#pragma once

#include <string>

#include "framework/cModelDoc.h"

namespace korval::testing {

// A report of any length: after the description block, rows "Row 001" .. with a value
// and a unit in columns 2 and 3. Print tests use it to fill several pages.
class cNumberedRowsDoc : public cModelDoc {
  public:
    cNumberedRowsDoc(cAppContext& context, int rows);

    static std::string RowLabel(int row);
    static std::string RowValue(int row);
    int DrawReport(cDrawContext& dc, int& y, unsigned flags) override;

  private:
    int rows_;
};

}  // namespace korval::testing
