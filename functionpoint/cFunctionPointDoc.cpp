#include "functionpoint/cFunctionPointDoc.h"

namespace korval {

cFunctionPointDoc::cFunctionPointDoc(cAppContext& context) : cModelDoc(context, DocumentKind::FunctionPoint) { ResetToDefaults(); }

void cFunctionPointDoc::ResetToDefaults() { cModelDoc::ResetToDefaults(); }

int cFunctionPointDoc::DrawReport(cDrawContext& dc, int& y, unsigned flags) {
    int total = cModelDoc::DrawReport(dc, y, flags);
    return FinishReport(dc, total);
}

}  // namespace korval
