#include "system/cSystemAttributesDlg.h"

#include <algorithm>
#include <limits>

#include "framework/DialogFieldCheck.h"
#include "framework/NumberText.h"
#include "system/cSystemDoc.h"

namespace korval {

namespace {
// The dialog shows a negative value as 0.
std::string ShownValue(double value) {
    return FieldText(std::max(0.0, value));
}
}  // namespace

cSystemAttributesDlg::cSystemAttributesDlg(const cSystemDoc& system, cPlatformServices& platform)
    : productDesignTdevText(ShownValue(system.GetProductDesignTdev())),
      productDesignEffortText(ShownValue(system.GetProductDesignEffort())),
      finalTestTdevText(ShownValue(system.GetFinalTestTdev())),
      finalTestEffortText(ShownValue(system.GetFinalTestEffort())),
      platform_(platform),
      userSpecified_(system.IsProductDesignUserSpecified()) {}

bool cSystemAttributesDlg::OnOk() {
    const std::string* fields[] = {&productDesignTdevText, &productDesignEffortText,
                                   &finalTestTdevText, &finalTestEffortText};
    constexpr double kAnyNumber = std::numeric_limits<double>::max();
    for (const std::string* field : fields) {
        if (!CheckNumberField(platform_, *field, -kAnyNumber, kAnyNumber)) return false;
    }
    return true;
}

double cSystemAttributesDlg::ProductDesignTdev() const {
    return ParseLeadingDouble(productDesignTdevText);
}
double cSystemAttributesDlg::ProductDesignEffort() const {
    return ParseLeadingDouble(productDesignEffortText);
}
double cSystemAttributesDlg::FinalTestTdev() const {
    return ParseLeadingDouble(finalTestTdevText);
}
double cSystemAttributesDlg::FinalTestEffort() const {
    return ParseLeadingDouble(finalTestEffortText);
}

}  // namespace korval
