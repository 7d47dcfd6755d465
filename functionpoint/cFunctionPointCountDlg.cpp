#include "functionpoint/cFunctionPointCountDlg.h"

#include <unordered_map>

#include "framework/DialogFieldCheck.h"
#include "framework/NumberText.h"
#include "framework/TextUtil.h"
#include "framework/cPlatformServices.h"

namespace korval {

namespace {

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && EqualsNoCase(text.substr(0, prefix.size()), prefix);
}

}  // namespace

cFunctionPointCountDlg::cFunctionPointCountDlg(cPlatformServices& platform,
                                               const FunctionCounts& counts,
                                               const cLanguage& selected,
                                               const cLanguageTable& table)
    : platform_(platform), counts_(counts), selected_(selected), table_(table) {
    if (table_.IsEmpty()) table_.ResetToNone();
    for (int cell = 0; cell < kFunctionCellCount; ++cell)
        countTexts_[cell] = std::to_string(counts_[cell].GetCount());
    typeTotalTexts_.fill("0");
    languageList_ = table_.SortedNames();
    std::unordered_map<std::string, int> multipliers;
    for (const cLanguage& language : table_.Entries())
        multipliers.try_emplace(language.GetName(), language.GetMultiplier());
    languageItems_.reserve(languageList_.size());
    for (const std::string& name : languageList_)
        languageItems_.push_back(name + FormatNumber("  (%d SLOC/FP)", multipliers[name]));
    // The list selects the first entry that begins with the selected language's name.
    for (std::size_t i = 0; i < languageList_.size(); ++i) {
        if (StartsWithNoCase(languageList_[i], selected_.GetName())) {
            languageSelection_ = static_cast<int>(i);
            break;
        }
    }
}

const char* cFunctionPointCountDlg::RowLabel(FunctionType type) {
    static const char* const kLabels[kFunctionTypeCount] = {
        "External Input:", "External Output:", "Internal Logical File:", "External Interface File:",
        "External Inquiry:"};
    return kLabels[type];
}

void cFunctionPointCountDlg::SelectLanguage(int index) {
    languageSelection_ =
        (index >= 0 && index < static_cast<int>(languageList_.size())) ? index : -1;
}

std::string cFunctionPointCountDlg::GetLanguageText() const {
    return languageSelection_ >= 0 ? languageList_[static_cast<std::size_t>(languageSelection_)]
                                   : std::string();
}

bool cFunctionPointCountDlg::ReadCounts(FunctionCounts& counts) {
    for (int cell = 0; cell < kFunctionCellCount; ++cell) {
        std::optional<int> count =
            CheckIntegerField(platform_, countTexts_[cell], kCountMin, kCountMax);
        if (!count) {
            focusField_ = reportedField_ = cell;
            return false;
        }
        counts[cell].SetCount(*count);
    }
    focusField_ = reportedField_ = -1;
    return true;
}

bool cFunctionPointCountDlg::OnRecalculate() {
    FunctionCounts counts = counts_;
    if (!ReadCounts(counts)) return false;
    std::uint64_t total = 0;
    for (int type = 0; type < kFunctionTypeCount; ++type) {
        std::uint64_t typeTotal = 0;
        for (int complexity = 0; complexity < kFunctionComplexityCount; ++complexity) {
            typeTotal += counts[FunctionCellIndex(static_cast<FunctionType>(type),
                                                  static_cast<FunctionComplexity>(complexity))]
                             .Product();
        }
        typeTotalTexts_[type] = std::to_string(typeTotal);
        total += typeTotal;
    }
    totalText_ = std::to_string(total);
    return true;
}

bool cFunctionPointCountDlg::OnFocusEnter(int field) {
    if (reportedField_ >= 0 && field == reportedField_) return false;
    return OnRecalculate();
}

bool cFunctionPointCountDlg::OnOk() {
    FunctionCounts counts = counts_;
    if (!ReadCounts(counts)) return false;
    counts_ = counts;
    int index = table_.FindExactName(GetLanguageText());
    selected_ = table_.At(index < 0 ? 0 : index);
    return true;
}

}  // namespace korval
