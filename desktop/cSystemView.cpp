#include "desktop/cSystemView.h"

namespace korval {

cSystemView::cSystemView(cModelDoc& document, cPlatformServices& platform, QWidget* parent)
    : cReportView(document, platform, parent) {
    setObjectName(QStringLiteral("systemView"));
}

}  // namespace korval
