#include "system/cSystemAttributesDlg.h"

#include <algorithm>

#include "framework/NumberText.h"
#include "system/cSystemDoc.h"

namespace korval {

namespace {
std::string FieldText(double value) { return FormatNumber("%g", std::max(0.0, value)); }
}  // namespace

cSystemAttributesDlg::cSystemAttributesDlg(const cSystemDoc& system, cPlatformServices& platform)
    : productDesignTdevText(FieldText(system.GetProductDesignTdev())),
      productDesignEffortText(FieldText(system.GetProductDesignEffort())),
      finalTestTdevText(FieldText(system.GetFinalTestTdev())),
      finalTestEffortText(FieldText(system.GetFinalTestEffort())),
      platform_(platform),
      userSpecified_(system.IsProductDesignUserSpecified()) {}

bool cSystemAttributesDlg::OnOk() {
    const std::string* fields[] = {&productDesignTdevText, &productDesignEffortText, &finalTestTdevText,
                                   &finalTestEffortText};
    for (const std::string* field : fields) {
        if (!IsWholeNumberText(*field)) {
            platform_.ShowMessage("Please enter a number.");
            return false;
        }
    }
    return true;
}

double cSystemAttributesDlg::ProductDesignTdev() const { return ParseLeadingDouble(productDesignTdevText); }
double cSystemAttributesDlg::ProductDesignEffort() const { return ParseLeadingDouble(productDesignEffortText); }
double cSystemAttributesDlg::FinalTestTdev() const { return ParseLeadingDouble(finalTestTdevText); }
double cSystemAttributesDlg::FinalTestEffort() const { return ParseLeadingDouble(finalTestEffortText); }

}  // namespace korval
