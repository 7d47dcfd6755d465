#include "functionpoint/cLanguageDlg.h"

#include "framework/DialogFieldCheck.h"
#include "framework/ProfileAccess.h"
#include "framework/TextUtil.h"
#include "framework/cProfileFileScope.h"
#include "functionpoint/LanguageProfile.h"

namespace korval {

namespace {

// Blanks around a name would be lost in the file; a name of blanks only, or one that
// begins with a control character, is no name.
bool IsBlankName(std::string_view name) {
    return name.empty() || static_cast<unsigned char>(name[0]) < 0x20;
}

}  // namespace

cLanguageDlg::cLanguageDlg(cAppContext& context, std::string editPath, std::string modelPath)
    : context_(context), editPath_(std::move(editPath)), modelPath_(std::move(modelPath)) {
    if (editPath_.empty()) editPath_ = context_.defaultsProfilePath;
    bool editingDefaults = editPath_ == context_.defaultsProfilePath;
    setCurrentModel_ = !modelPath_.empty() && !editingDefaults;
    setDefaults_ = modelPath_.empty() || editingDefaults;
    std::string path = editPath_;
    LoadLanguages(path, table_, context_);
    loadedCount_ = table_.Count();
    RefillList("");
}

bool cLanguageDlg::EditDefaultLanguages(cAppContext& context) {
    cLanguageDlg dialog(context, context.defaultsProfilePath, "");
    return context.platform.RunDialog(dialog);
}

void cLanguageDlg::SetNameText(const std::string& text) {
    nameText_ = CutToChars(text, kNameLimit);
}

void cLanguageDlg::SetSetCurrentModel(bool checked) {
    if (IsSetCurrentModelEnabled()) setCurrentModel_ = checked;
}

void cLanguageDlg::OnSelectItem(int index) {
    if (index < 0 || index >= static_cast<int>(list_.size())) return;
    selectedIndex_ = index;
    nameText_ = list_[static_cast<std::size_t>(index)];
    int entry = table_.FindExactName(nameText_);
    multiplierText_ = std::to_string(entry >= 0 ? table_.At(entry).GetMultiplier() : 0);
}

std::string cLanguageDlg::TypedName() const {
    return Trim(nameText_);
}

bool cLanguageDlg::Refuse(Focus focus, const char* message) {
    focus_ = focus;
    context_.platform.ShowMessage(message);
    return false;
}

std::optional<int> cLanguageDlg::ReadMultiplier() {
    std::optional<int> multiplier =
        CheckIntegerField(context_.platform, multiplierText_, kMultiplierMin, kMultiplierMax);
    if (!multiplier) focus_ = kMultiplierField;
    return multiplier;
}

// The list shows the table sorted; the item selected in it is the one Modify changes.
std::vector<std::string> cLanguageDlg::GetListFigures() const {
    std::vector<std::string> figures;
    figures.reserve(list_.size());
    for (const std::string& name : list_) {
        int entry = table_.FindExactName(name);
        bool counts = entry >= 0 && !IsNoneLanguageName(name);
        figures.push_back(counts ? std::to_string(table_.At(entry).GetMultiplier()) + " SLOC/FP"
                                 : "");
    }
    return figures;
}

void cLanguageDlg::RefillList(const std::string& selectName) {
    list_ = table_.SortedNames();
    selectedIndex_ = -1;
    if (selectName.empty()) return;
    for (std::size_t i = 0; i < list_.size(); ++i) {
        if (EqualsNoCase(list_[i], selectName)) {
            selectedIndex_ = static_cast<int>(i);
            return;
        }
    }
}

bool cLanguageDlg::OnAdd() {
    std::optional<int> multiplier = ReadMultiplier();
    if (!multiplier) return false;
    std::string name = TypedName();
    if (IsNoneLanguageName(name))
        return Refuse(kNameField, "Language specifier 'None' may not be added");
    if (IsBlankName(name)) return Refuse(kNameField, "Blank language may not be added");
    if (*multiplier <= 0) return Refuse(kMultiplierField, "Multiplier must be greater than zero.");
    if (table_.FindLanguage(name) >= 0) return Refuse(kNameField, "Language already exists");
    if (!table_.AddLanguage(name, *multiplier))
        return Refuse(kNameField, "Memory allocation error");
    RefillList(name);
    return true;
}

// Modify changes the language selected in the list (so it can rename it), or the one
// with the typed name when nothing is selected.
bool cLanguageDlg::OnModify() {
    std::optional<int> multiplier = ReadMultiplier();
    if (!multiplier) return false;
    std::string name = TypedName();
    if (IsNoneLanguageName(name))
        return Refuse(kNameField, "Language specifier 'None' may not be modified");
    if (IsBlankName(name)) return Refuse(kNameField, "Blank language may not be modified");
    std::string target =
        selectedIndex_ >= 0 ? list_[static_cast<std::size_t>(selectedIndex_)] : name;
    int entry = table_.FindLanguage(target);
    if (entry < 0)
        return Refuse(kNameField, "Language not found, must be added before it can be modified");
    if (entry == 0 || IsNoneLanguageName(target)) {
        return Refuse(kNameField, "Language specifier 'None' may not be modified");
    }
    if (*multiplier <= 0) return Refuse(kMultiplierField, "Multiplier must be greater than zero.");
    int holder = table_.FindLanguage(name);
    if (holder >= 0 && holder != entry) return Refuse(kNameField, "Language already exists");
    table_.At(entry).SetName(name);
    table_.At(entry).SetMultiplier(*multiplier);
    RefillList(name);
    return true;
}

bool cLanguageDlg::OnDelete() {
    std::string name = TypedName();
    if (IsNoneLanguageName(name))
        return Refuse(kNameField, "Language specifier 'None' may not be deleted");
    if (!table_.RemoveLanguage(name)) return Refuse(kNameField, "Language does not exist");
    RefillList("");
    nameText_.clear();
    multiplierText_ = "0";
    return true;
}

void cLanguageDlg::OnUseDefaults() {
    std::string defaults = context_.defaultsProfilePath;
    LoadLanguages(defaults, table_, context_);
    RefillList("");
    nameText_.clear();
    multiplierText_ = "0";
}

// Keys the table no longer fills are emptied, so a deleted language never returns.
bool cLanguageDlg::WriteTable(const std::string& path) {
    cProfileFileScope scope(path);
    if (SaveLanguages(path, table_) && BlankSurplusLanguages(path, table_.Count(), loadedCount_) &&
        scope.Commit()) {
        return true;
    }
    context_.platform.ShowMessage("The languages could not be saved in " + path + ":\n" +
                                  LastProfileError());
    return false;
}

bool cLanguageDlg::OnOk() {
    if (!ReadMultiplier()) return false;
    if (setCurrentModel_ && !modelPath_.empty() && !WriteTable(modelPath_)) return false;
    if (!setDefaults_) return true;
    std::string defaults = context_.DefaultsProfileForWriting();
    return !defaults.empty() && WriteTable(defaults);
}

}  // namespace korval
