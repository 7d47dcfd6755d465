#include "rayleigh/cRayleighDoc.h"

namespace korval {

cRayleighDoc::cRayleighDoc(cAppContext& context) : cModelDoc(context, DocumentKind::Rayleigh) { ResetToDefaults(); }

void cRayleighDoc::ResetToDefaults() { cModelDoc::ResetToDefaults(); }

int cRayleighDoc::DrawReport(cDrawContext& dc, int& y, unsigned flags) {
    int total = cModelDoc::DrawReport(dc, y, flags);
    return FinishReport(dc, total);
}

}  // namespace korval
