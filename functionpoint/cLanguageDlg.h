#pragma once

#include <optional>
#include <string>
#include <vector>

#include "framework/cAppContext.h"
#include "framework/cDialogLogic.h"
#include "functionpoint/cLanguageTable.h"

namespace korval {

// Language Customization: edits the language table of one profile file (the defaults
// profile or a model file) and writes it, on OK, into the model file, the defaults
// profile or both.
class cLanguageDlg : public cDialogLogic {
  public:
    enum Focus { kNameField, kMultiplierField };
    // Names are typed with at most 50 characters (and read back with as many).
    static constexpr std::size_t kNameLimit = 50;
    static constexpr int kMultiplierMin = 0;
    static constexpr int kMultiplierMax = 9999;

    // Opens on the table stored in editPath. modelPath is the model file of the document
    // (empty for a model without a file, or with no document at all).
    cLanguageDlg(cAppContext& context, std::string editPath, std::string modelPath);

    // The Languages command with no document open: the dialog on the defaults profile.
    // True when it was closed with OK.
    static bool EditDefaultLanguages(cAppContext& context);

    const char* Title() const override { return "Language Customization"; }
    int HelpTopic() const override { return 40; }

    // The name field (text beyond 50 characters is cut off as typing stops there) and
    // the multiplier field.
    const std::string& GetNameText() const { return nameText_; }
    void SetNameText(const std::string& text);
    const std::string& GetMultiplierText() const { return multiplierText_; }
    void SetMultiplierText(std::string text) { multiplierText_ = std::move(text); }

    // The sorted list, "None" included, and the item selected in it (-1: none).
    const std::vector<std::string>& GetList() const { return list_; }
    int GetSelectedIndex() const { return selectedIndex_; }
    // Beside each item of the list, its source lines per function point ("53 SLOC/FP");
    // empty beside "None", which counts no lines.
    std::vector<std::string> GetListFigures() const;
    // Clicking an item: the name and multiplier fields take that language.
    void OnSelectItem(int index);

    bool IsSetDefaultsChecked() const { return setDefaults_; }
    void SetSetDefaults(bool checked) { setDefaults_ = checked; }
    bool IsSetCurrentModelEnabled() const { return !modelPath_.empty(); }
    bool IsSetCurrentModelChecked() const { return setCurrentModel_; }
    // Ignored while the box is disabled.
    void SetSetCurrentModel(bool checked);

    // Where the focus goes after a message.
    Focus GetFocusField() const { return focus_; }

    // The buttons; false when refused with a message (the table is then unchanged).
    bool OnAdd();
    bool OnModify();
    bool OnDelete();
    void OnUseDefaults();
    // Writes the table where the check boxes say; false keeps the dialog open.
    bool OnOk();

    const cLanguageTable& GetTable() const { return table_; }
    const std::string& GetEditPath() const { return editPath_; }
    const std::string& GetModelPath() const { return modelPath_; }
    int GetLoadedCount() const { return loadedCount_; }

  private:
    std::string TypedName() const;
    bool Refuse(Focus focus, const char* message);
    std::optional<int> ReadMultiplier();
    void RefillList(const std::string& selectName);
    [[nodiscard]] bool WriteTable(const std::string& path);

    cAppContext& context_;
    std::string editPath_;
    std::string modelPath_;
    cLanguageTable table_;
    int loadedCount_ = 0;
    std::vector<std::string> list_;
    int selectedIndex_ = -1;
    std::string nameText_;
    std::string multiplierText_ = "0";
    bool setDefaults_ = false;
    bool setCurrentModel_ = false;
    Focus focus_ = kNameField;
};

}  // namespace korval
