#pragma once

#include <optional>
#include <string>
#include <vector>

#include "framework/cDialogLogic.h"
#include "rayleigh/cApplicationType.h"

namespace korval {

class cPlatformServices;
class cRayleighDoc;

// "Rayleigh Attributes": application type and, for user-defined types, their
// productivity; time to develop; main build phase percentage; size. The main build
// phase time and the MBI level are previews recomputed while the user types. Edits of a
// user-defined type's productivity go to a working copy and reach the document on OK.
class cRayleighAttributesDlg : public cDialogLogic {
  public:
    enum Field {
        kIndexField,        // "Productivity Index (PI):", integer 1..40
        kMeasureField,      // "Productivity Measure (PM):", integer 700..10000000
        kScheduleField,     // "Time to Develop (Months):", 0..999999999
        kPercentageField,   // "Main Build Phase Percentage:" ... "%", integer 0..100
        kBuildTimeField,    // "Main Build Phase Time (Months):", read-only preview
        kSourceLinesField,  // "Source Lines of Code (SLOC):", 0..999999999
        kMbiLevelField,     // "Manpower Buildup Index (MBI) Level:", read-only preview
        kFieldCount
    };
    // The two radio buttons of the productivity.
    enum class Form { Index = 0, Measure = 1 };

    cRayleighAttributesDlg(cPlatformServices& platform, const cRayleighDoc& document);

    const char* Title() const override { return "Rayleigh Attributes"; }
    int HelpTopic() const override { return 236; }

    const std::string& GetText(Field field) const { return texts_[field]; }
    // Read-only fields ignore typing.
    void SetText(Field field, std::string text);
    bool IsEnabled(Field field) const;
    bool IsReadOnly(Field field) const;
    Form GetProductivityForm() const { return form_; }
    bool AreFormRadiosEnabled() const { return IsSelectedUserDefined(); }
    // The "Application Type:" drop-down list.
    const std::vector<std::string>& GetApplicationTypeNames() const { return names_; }
    int GetSelectedApplication() const { return selected_; }
    bool IsSelectedUserDefined() const;
    // The "Planned Buildup Level:" drop-down, "0 (very slow)" to "6 (very rapid)": the
    // level Putnam's own estimate plans for.
    const std::vector<std::string>& GetBuildupLevelNames() const { return levelNames_; }
    int GetBuildupLevel() const { return buildupLevel_; }
    void OnSelectBuildupLevel(int level);

    // Each event returns false when a field check refused it (the platform has told the
    // user); nothing then changes. OK also refuses a size above 0 with no main build time
    // (a TDEV or percentage of 0): Putnam's figures of it would read 0 as if valid.
    bool OnSelectApplicationType(int index);
    bool OnIndexRadio();
    bool OnMeasureRadio();
    bool OnLeaveIndexField();
    bool OnLeaveMeasureField();
    // Leaving the size, time to develop or percentage edit.
    bool OnLeaveInputField();
    // As a field is typed in: the previews follow the size, schedule, percentage and
    // measure as they stand, without a word while a text is not (yet) a usable number.
    void PreviewAsTyped();
    bool OnOk();

    // What a successful OnOk took.
    double GetSourceLines() const { return sourceLines_; }
    double GetSchedule() const { return schedule_; }
    int GetBuildPhasePercentage() const { return percentage_; }
    // The working copy of a user-defined entry; nullptr for the others.
    const cApplicationType* GetWorkingCopy(int index) const;

  private:
    struct Values {
        int index;
        int measure;
        double schedule;
        int percentage;
        double sourceLines;
    };

    std::optional<Values> ReadFields();
    // The previews from field values that passed (or, on opening, need not pass) the checks.
    void UpdatePreviews(int measure, double schedule, int percentage, double sourceLines);
    void ShowProductivity(const cProductivity& productivity);
    // Takes the productivity from the edit of the form into the working copy.
    bool ApplyForm(Form form);

    cPlatformServices& platform_;
    const cRayleighDoc& document_;
    std::string texts_[kFieldCount];
    std::vector<std::string> names_;
    std::vector<std::string> levelNames_;
    int buildupLevel_ = 0;
    std::vector<std::optional<cApplicationType>> workingCopies_;
    int selected_ = 0;
    Form form_ = Form::Index;
    bool sourceLinesEditable_ = true;
    bool scheduleEditable_ = true;
    double sourceLines_ = 0.0;
    double schedule_ = 0.0;
    int percentage_ = 0;
};

}  // namespace korval
