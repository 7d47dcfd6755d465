#pragma once

#include <array>
#include <string>

#include "framework/cDialogLogic.h"
#include "framework/cPlatformServices.h"

namespace korval {

class cSystemDoc;

// System Level Estimation Attributes: the system's product design phase (derived from the
// members or entered) and its final test and evaluation phase.
class cSystemAttributesDlg : public cDialogLogic {
  public:
    cSystemAttributesDlg(const cSystemDoc& system, cPlatformServices& platform);

    const char* Title() const override { return "System Level Estimation Attributes"; }
    int HelpTopic() const override { return 44; }

    // "Project Derived" and "User Specified" radio buttons; the product design edits are
    // enabled only while User Specified is chosen.
    bool IsUserSpecified() const { return userSpecified_; }
    void OnProjectDerived() { userSpecified_ = false; }
    void OnUserSpecified() { userSpecified_ = true; }
    bool AreProductDesignEditsEnabled() const { return userSpecified_; }

  private:
    // The values the edits were filled with, in the order of the edits below.
    std::array<double, 4> shown_;

  public:
    // Edit texts: "TDEV:", "Effort:", "TDEV (Months):", "Effort (Person Months):".
    std::string productDesignTdevText;
    std::string productDesignEffortText;
    std::string finalTestTdevText;
    std::string finalTestEffortText;

    // Checks that every edit holds a number; tells the user and returns false otherwise.
    bool OnOk();

    double ProductDesignTdev() const;
    double ProductDesignEffort() const;
    double FinalTestTdev() const;
    double FinalTestEffort() const;

  private:
    cPlatformServices& platform_;
    bool userSpecified_ = false;
};

}  // namespace korval
