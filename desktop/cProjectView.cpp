#include "desktop/cProjectView.h"

namespace korval {

cProjectView::cProjectView(cModelDoc& document, cPlatformServices& platform, QWidget* parent)
    : cReportView(document, platform, parent) {
    setObjectName(QStringLiteral("projectView"));
}

}  // namespace korval
