#pragma once

#include "desktop/cReportView.h"

namespace korval {

// The report window of a system level estimation document.
class cSystemView : public cReportView {
    Q_OBJECT
  public:
    cSystemView(cModelDoc& document, cPlatformServices& platform, QWidget* parent = nullptr);
};

}  // namespace korval
