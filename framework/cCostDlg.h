#pragma once

#include <optional>
#include <string>

#include "framework/CostRate.h"
#include "framework/cDialogLogic.h"

namespace korval {

class cPlatformServices;

// Cost: the labour rate per person-month and its currency. Every priced kind (COCOMO and
// Rayleigh models, projects, systems) opens this one dialog over its own rate; the title
// and the note say what the rate prices there.
class cCostDlg : public cDialogLogic {
  public:
    static constexpr int kHelpTopic = 300;

    cCostDlg(std::string title, std::string note, const CostRate& current,
             cPlatformServices& platform);

    const char* Title() const override { return title_.c_str(); }
    int HelpTopic() const override { return kHelpTopic; }
    // One line under the fields: what this document's rate prices.
    const std::string& Note() const { return note_; }

    // Edit texts: "Rate per Person Month:" and "Currency:".
    std::string rateText;
    std::string currencyText;

    // The rate must be a number from 0 to CostRate::kMaxRate, the currency at most
    // CostRate::kCurrencyLimit characters; the user is told otherwise and false returned.
    bool OnOk();
    // The rate and currency as entered (blanks around the currency dropped).
    CostRate Result() const;

    // Runs the dialog over the current rate: the rate entered on OK, nothing on Cancel.
    static std::optional<CostRate> Ask(cPlatformServices& platform, std::string title,
                                       std::string note, const CostRate& current);

  private:
    cPlatformServices& platform_;
    std::string title_;
    std::string note_;
};

}  // namespace korval
