#include "app/cToolbarConfigDlg.h"

namespace korval {

const char* cToolbarConfigDlg::Label(Bar bar) {
    static const char* const kLabels[kBarCount] = {"&File",    "&Import/Export",  "&System",
                                                   "&Project", "&Function Point", "&COCOMO",
                                                   "&Rayleigh"};
    return kLabels[bar];
}

int cToolbarConfigDlg::BarId(Bar bar) {
    static const int kIds[kBarCount] = {59392, 59397, 59402, 59398, 59399, 59400, 59401};
    return kIds[bar];
}

}  // namespace korval
