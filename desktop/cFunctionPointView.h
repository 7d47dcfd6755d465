#pragma once

#include "desktop/cReportView.h"

namespace korval {

// The report window of a function point document.
class cFunctionPointView : public cReportView {
    Q_OBJECT
  public:
    cFunctionPointView(cModelDoc& document, cPlatformServices& platform, QWidget* parent = nullptr);
};

}  // namespace korval
