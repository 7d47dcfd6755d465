#include "desktop/ReportViewFactory.h"

#include "desktop/cCocomoView.h"
#include "desktop/cFunctionPointView.h"
#include "desktop/cProjectView.h"
#include "desktop/cRayleighView.h"
#include "desktop/cSystemView.h"
#include "framework/cModelDoc.h"

namespace korval {

cReportView* CreateReportView(cModelDoc& document, cPlatformServices& platform) {
    switch (document.Kind()) {
        case DocumentKind::Project:
            return new cProjectView(document, platform);
        case DocumentKind::FunctionPoint:
            return new cFunctionPointView(document, platform);
        case DocumentKind::Cocomo:
            return new cCocomoView(document, platform);
        case DocumentKind::Rayleigh:
            return new cRayleighView(document, platform);
        case DocumentKind::System:
            return new cSystemView(document, platform);
    }
    return new cReportView(document, platform);
}

}  // namespace korval
