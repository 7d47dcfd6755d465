#pragma once

#include "desktop/cReportView.h"

namespace korval {

// The report window of a Rayleigh document.
class cRayleighView : public cReportView {
    Q_OBJECT
  public:
    cRayleighView(cModelDoc& document, cPlatformServices& platform, QWidget* parent = nullptr);
};

}  // namespace korval
