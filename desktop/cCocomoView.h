#pragma once

#include "desktop/cReportView.h"

namespace korval {

// The report window of a COCOMO document.
class cCocomoView : public cReportView {
    Q_OBJECT
  public:
    cCocomoView(cModelDoc& document, cPlatformServices& platform, QWidget* parent = nullptr);
};

}  // namespace korval
