#include "system/cSystemAttributesDlg.h"

#include <algorithm>
#include <limits>

#include "framework/DialogFieldCheck.h"
#include "framework/NumberText.h"
#include "system/cSystemDoc.h"

namespace korval {

namespace {
// The dialog shows a negative value as 0.
double ShownValue(double value) {
    return std::max(0.0, value);
}
}  // namespace

cSystemAttributesDlg::cSystemAttributesDlg(const cSystemDoc& system, cPlatformServices& platform)
    : shown_{ShownValue(system.GetProductDesignTdev()), ShownValue(system.GetProductDesignEffort()),
             ShownValue(system.GetFinalTestTdev()), ShownValue(system.GetFinalTestEffort())},
      productDesignTdevText(FigureFieldText(shown_[0])),
      productDesignEffortText(FigureFieldText(shown_[1])),
      finalTestTdevText(FigureFieldText(shown_[2])),
      finalTestEffortText(FigureFieldText(shown_[3])),
      platform_(platform),
      userSpecified_(system.IsProductDesignUserSpecified()) {}

bool cSystemAttributesDlg::OnOk() {
    const std::string* fields[] = {&productDesignTdevText, &productDesignEffortText,
                                   &finalTestTdevText, &finalTestEffortText};
    constexpr double kAnyNumber = std::numeric_limits<double>::max();
    for (const std::string* field : fields) {
        std::optional<double> value = CheckNumberField(platform_, *field, -kAnyNumber, kAnyNumber);
        if (!value) return false;
        // A negative time would end the schedule before the last member's integration, a
        // negative effort take money off the total: neither is an estimate.
        if (*value < 0) {
            platform_.ShowMessage("A time or an effort cannot be below 0.");
            return false;
        }
    }
    return true;
}

double cSystemAttributesDlg::ProductDesignTdev() const {
    return FigureFieldValue(productDesignTdevText, shown_[0]);
}
double cSystemAttributesDlg::ProductDesignEffort() const {
    return FigureFieldValue(productDesignEffortText, shown_[1]);
}
double cSystemAttributesDlg::FinalTestTdev() const {
    return FigureFieldValue(finalTestTdevText, shown_[2]);
}
double cSystemAttributesDlg::FinalTestEffort() const {
    return FigureFieldValue(finalTestEffortText, shown_[3]);
}

}  // namespace korval
