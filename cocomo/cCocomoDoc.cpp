#include "cocomo/cCocomoDoc.h"

namespace korval {

cCocomoDoc::cCocomoDoc(cAppContext& context) : cModelDoc(context, DocumentKind::Cocomo) { ResetToDefaults(); }

void cCocomoDoc::ResetToDefaults() { cModelDoc::ResetToDefaults(); }

int cCocomoDoc::DrawReport(cDrawContext& dc, int& y, unsigned flags) {
    int total = cModelDoc::DrawReport(dc, y, flags);
    return FinishReport(dc, total);
}

}  // namespace korval
