#include "desktop/cCocomoView.h"

namespace korval {

cCocomoView::cCocomoView(cModelDoc& document, cPlatformServices& platform, QWidget* parent)
    : cReportView(document, platform, parent) {
    setObjectName(QStringLiteral("cocomoView"));
}

}  // namespace korval
