#include "system/cSystemDoc.h"

#include "framework/ProfileAccess.h"

namespace korval {

cSystemDoc::cSystemDoc(cAppContext& context) : cModelDoc(context, DocumentKind::System) {
    ResetToDefaults();
}

void cSystemDoc::ResetToDefaults() { cModelDoc::ResetToDefaults(); }

bool cSystemDoc::WriteIdentity(const std::string& path) {
    return WriteProfileValue("KORVAL", "KORVAL_Type", "System", path) && WriteFileVersion(path);
}

int cSystemDoc::DrawReport(cDrawContext& dc, int& y, unsigned flags) {
    int total = cModelDoc::DrawReport(dc, y, flags);
    return FinishReport(dc, total);
}

}  // namespace korval
