#include "desktop/cFunctionPointView.h"

namespace korval {

cFunctionPointView::cFunctionPointView(cModelDoc& document, cPlatformServices& platform,
                                       QWidget* parent)
    : cReportView(document, platform, parent) {
    setObjectName(QStringLiteral("functionPointView"));
}

}  // namespace korval
