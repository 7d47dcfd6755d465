#pragma once

#include "desktop/cReportView.h"

namespace korval {

// The report window of a project document.
class cProjectView : public cReportView {
    Q_OBJECT
  public:
    cProjectView(cModelDoc& document, cPlatformServices& platform, QWidget* parent = nullptr);
};

}  // namespace korval
