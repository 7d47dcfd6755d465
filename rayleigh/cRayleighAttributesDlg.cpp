#include "rayleigh/cRayleighAttributesDlg.h"

#include <optional>

#include "framework/DialogFieldCheck.h"
#include "framework/NumberText.h"
#include "rayleigh/RayleighFormulas.h"
#include "rayleigh/cRayleighDoc.h"

namespace korval {

namespace {

constexpr double kMaxInput = cRayleighDoc::kMaxInputValue;

double RoundedToOneDecimal(double value) {
    return ParseLeadingDouble(FormatNumber("%-3.1f", value));
}

}  // namespace

cRayleighAttributesDlg::cRayleighAttributesDlg(cPlatformServices& platform,
                                               const cRayleighDoc& document)
    : platform_(platform),
      document_(document),
      buildupLevel_(document.GetBuildupLevel()),
      selected_(document.GetSelectedApplication()),
      sourceLinesEditable_(document.IsSourceLinesEditable()),
      scheduleEditable_(document.IsScheduleEditable()) {
    for (int level = kSlowestBuildupLevel; level <= kFastestBuildupLevel; ++level)
        levelNames_.push_back(BuildupLevelText(level));
    for (const cApplicationType& type : document.GetApplicationTypes()) {
        names_.push_back(type.Name());
        workingCopies_.push_back(type.IsUserDefined() ? std::optional<cApplicationType>(type)
                                                      : std::nullopt);
    }
    // A field the user cannot change shows the figure a project passed in, to one decimal.
    double sourceLines = sourceLinesEditable_ ? document.GetSourceLines()
                                              : RoundedToOneDecimal(document.GetSourceLines());
    double schedule =
        scheduleEditable_ ? document.GetSchedule() : RoundedToOneDecimal(document.GetSchedule());
    texts_[kSourceLinesField] = FieldText(sourceLines);
    texts_[kScheduleField] = FieldText(schedule);
    texts_[kPercentageField] = FieldText(document.GetBuildPhasePercentage());
    if (const cApplicationType* type = document.SelectedApplicationType())
        ShowProductivity(type->Productivity());
    // Opening shows the previews of the document's figures; the checks come with the
    // first thing the user does.
    UpdatePreviews(ParseLeadingInt(texts_[kMeasureField]), schedule,
                   document.GetBuildPhasePercentage(), sourceLines);
}

void cRayleighAttributesDlg::SetText(Field field, std::string text) {
    if (field == kFieldCount || IsReadOnly(field)) return;
    texts_[field] = std::move(text);
}

bool cRayleighAttributesDlg::IsReadOnly(Field field) const {
    switch (field) {
        case kBuildTimeField:
        case kMbiLevelField:
            return true;
        case kSourceLinesField:
            return !sourceLinesEditable_;
        case kScheduleField:
            return !scheduleEditable_;
        default:
            return false;
    }
}

bool cRayleighAttributesDlg::IsEnabled(Field field) const {
    switch (field) {
        case kIndexField:
            return IsSelectedUserDefined() && form_ == Form::Index;
        case kMeasureField:
            return IsSelectedUserDefined() && form_ == Form::Measure;
        case kSourceLinesField:
            return sourceLinesEditable_;
        case kScheduleField:
            return scheduleEditable_;
        default:
            return true;
    }
}

bool cRayleighAttributesDlg::IsSelectedUserDefined() const {
    return selected_ >= 0 && selected_ < static_cast<int>(workingCopies_.size()) &&
           workingCopies_[static_cast<std::size_t>(selected_)].has_value();
}

const cApplicationType* cRayleighAttributesDlg::GetWorkingCopy(int index) const {
    if (index < 0 || index >= static_cast<int>(workingCopies_.size())) return nullptr;
    const std::optional<cApplicationType>& copy = workingCopies_[static_cast<std::size_t>(index)];
    return copy ? &*copy : nullptr;
}

std::optional<cRayleighAttributesDlg::Values> cRayleighAttributesDlg::ReadFields() {
    std::optional<int> index = CheckIntegerField(platform_, texts_[kIndexField], 1, 40);
    if (!index) return std::nullopt;
    std::optional<int> measure = CheckIntegerField(platform_, texts_[kMeasureField], 700, 10000000);
    if (!measure) return std::nullopt;
    std::optional<double> schedule =
        CheckNumberField(platform_, texts_[kScheduleField], 0.0, kMaxInput);
    if (!schedule) return std::nullopt;
    std::optional<int> percentage = CheckIntegerField(platform_, texts_[kPercentageField], 0, 100);
    if (!percentage) return std::nullopt;
    std::optional<double> sourceLines =
        CheckNumberField(platform_, texts_[kSourceLinesField], 0.0, kMaxInput);
    if (!sourceLines) return std::nullopt;
    return Values{*index, *measure, *schedule, *percentage, *sourceLines};
}

// The previews work from the rounded build time and the whole PM the user sees, so they
// may differ slightly from the report, which uses full precision.
void cRayleighAttributesDlg::UpdatePreviews(int measure, double schedule, int percentage,
                                            double sourceLines) {
    std::string buildTime = FormatNumber("%-3.1f", percentage * schedule * 0.01);
    texts_[kBuildTimeField] = buildTime;
    double mbi =
        ComputeMbi(ParseLeadingDouble(buildTime), sourceLines, static_cast<double>(measure));
    texts_[kMbiLevelField] = MbiLevelText(mbi);
}

void cRayleighAttributesDlg::ShowProductivity(const cProductivity& productivity) {
    texts_[kIndexField] = FieldText(RoundToInt(productivity.Index()));
    texts_[kMeasureField] = FieldText(RoundToInt(productivity.Measure()));
    form_ = productivity.IsFromMeasure() ? Form::Measure : Form::Index;
}

bool cRayleighAttributesDlg::OnSelectApplicationType(int index) {
    const cApplicationType* entry = document_.GetApplicationTypes().At(index);
    if (!entry) return false;
    selected_ = index;
    const cApplicationType* copy = GetWorkingCopy(index);
    ShowProductivity((copy ? copy : entry)->Productivity());
    return OnLeaveInputField();
}

bool cRayleighAttributesDlg::ApplyForm(Form form) {
    std::optional<Values> values = ReadFields();
    if (!values) return false;
    if (IsSelectedUserDefined()) {
        cProductivity& productivity =
            workingCopies_[static_cast<std::size_t>(selected_)]->Productivity();
        if (form == Form::Index) {
            productivity.FromIndex(values->index);
            texts_[kMeasureField] = FieldText(RoundToInt(productivity.Measure()));
        } else {
            productivity.FromMeasure(values->measure);
            texts_[kIndexField] = FieldText(RoundToInt(productivity.Index()));
        }
        form_ = form;
    }
    UpdatePreviews(ParseLeadingInt(texts_[kMeasureField]), values->schedule, values->percentage,
                   values->sourceLines);
    return true;
}

bool cRayleighAttributesDlg::OnIndexRadio() {
    return ApplyForm(Form::Index);
}

bool cRayleighAttributesDlg::OnMeasureRadio() {
    return ApplyForm(Form::Measure);
}

// Only the enabled productivity edit can be left, so the form stays as it is.
bool cRayleighAttributesDlg::OnLeaveIndexField() {
    return ApplyForm(form_);
}

bool cRayleighAttributesDlg::OnLeaveMeasureField() {
    return ApplyForm(form_);
}

bool cRayleighAttributesDlg::OnLeaveInputField() {
    std::optional<Values> values = ReadFields();
    if (!values) return false;
    UpdatePreviews(values->measure, values->schedule, values->percentage, values->sourceLines);
    return true;
}

void cRayleighAttributesDlg::PreviewAsTyped() {
    auto positive = [this](Field field) -> std::optional<double> {
        if (!IsWholeNumberText(texts_[field])) return std::nullopt;
        double value = ParseLeadingDouble(texts_[field]);
        return value > 0 ? std::optional<double>(value) : std::nullopt;
    };
    std::optional<double> measure = positive(kMeasureField);
    std::optional<double> schedule = positive(kScheduleField);
    std::optional<double> percentage = positive(kPercentageField);
    std::optional<double> sourceLines = positive(kSourceLinesField);
    if (!measure || !schedule || !percentage || !sourceLines || *percentage > 100) return;
    UpdatePreviews(static_cast<int>(*measure), *schedule, static_cast<int>(*percentage),
                   *sourceLines);
}

void cRayleighAttributesDlg::OnSelectBuildupLevel(int level) {
    buildupLevel_ = ClampBuildupLevel(level);
}

bool cRayleighAttributesDlg::OnOk() {
    std::optional<Values> values = ReadFields();
    if (!values) return false;
    if (values->sourceLines > 0 && (values->schedule <= 0 || values->percentage <= 0)) {
        platform_.ShowMessage(
            "A size above 0 needs a time to develop and a main build phase percentage above 0: "
            "without a main build Putnam's figures would all read 0.");
        return false;
    }
    if (IsSelectedUserDefined()) {
        cProductivity& productivity =
            workingCopies_[static_cast<std::size_t>(selected_)]->Productivity();
        if (productivity.IsFromMeasure()) {
            productivity.FromMeasure(values->measure);
        } else {
            productivity.FromIndex(values->index);
        }
    }
    sourceLines_ = values->sourceLines;
    schedule_ = values->schedule;
    percentage_ = values->percentage;
    return true;
}

}  // namespace korval
