#include "desktop/cRayleighView.h"

namespace korval {

cRayleighView::cRayleighView(cModelDoc& document, cPlatformServices& platform, QWidget* parent)
    : cReportView(document, platform, parent) {
    setObjectName(QStringLiteral("rayleighView"));
}

}  // namespace korval
