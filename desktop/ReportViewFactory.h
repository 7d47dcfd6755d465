#pragma once

namespace korval {

class cModelDoc;
class cPlatformServices;
class cReportView;

// The view class of the document's kind.
cReportView* CreateReportView(cModelDoc& document, cPlatformServices& platform);

}  // namespace korval
