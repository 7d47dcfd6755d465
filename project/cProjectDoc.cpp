#include "project/cProjectDoc.h"

#include "framework/ProfileAccess.h"

namespace korval {

cProjectDoc::cProjectDoc(cAppContext& context) : cModelDoc(context, DocumentKind::Project) {
    ResetToDefaults();
}

void cProjectDoc::ResetToDefaults() { cModelDoc::ResetToDefaults(); }

bool cProjectDoc::WriteIdentity(const std::string& path) {
    return WriteProfileValue("KORVAL", "KORVAL_Type", "Project", path) && WriteFileVersion(path);
}

int cProjectDoc::DrawReport(cDrawContext& dc, int& y, unsigned flags) {
    int total = cModelDoc::DrawReport(dc, y, flags);
    return FinishReport(dc, total);
}

}  // namespace korval
