#include "framework/cCostDlg.h"

#include <algorithm>

#include "framework/DialogFieldCheck.h"
#include "framework/NumberText.h"
#include "framework/TextUtil.h"
#include "framework/cPlatformServices.h"

namespace korval {

cCostDlg::cCostDlg(std::string title, std::string note, const CostRate& current,
                   cPlatformServices& platform)
    : rateText(FieldText(current.rate)),
      currencyText(current.currency),
      platform_(platform),
      title_(std::move(title)),
      note_(std::move(note)) {}

bool cCostDlg::OnOk() {
    if (!CheckNumberField(platform_, rateText, 0, CostRate::kMaxRate)) return false;
    std::string currency = Trim(currencyText);
    if (CountChars(currency) > CostRate::kCurrencyLimit) {
        platform_.ShowMessage(FormatNumber("Please enter a currency of at most %d characters.",
                                           static_cast<int>(CostRate::kCurrencyLimit)));
        return false;
    }
    auto isControl = [](unsigned char c) { return c < 0x20 || c == 0x7F; };
    if (std::any_of(currency.begin(), currency.end(), isControl)) {
        platform_.ShowMessage("Please enter a currency without control characters.");
        return false;
    }
    return true;
}

CostRate cCostDlg::Result() const {
    return CostRate::Checked(ParseLeadingDouble(rateText), Trim(currencyText));
}

std::optional<CostRate> cCostDlg::Ask(cPlatformServices& platform, std::string title,
                                      std::string note, const CostRate& current) {
    cCostDlg dialog(std::move(title), std::move(note), current, platform);
    if (!platform.RunDialog(dialog)) return std::nullopt;
    return dialog.Result();
}

}  // namespace korval
