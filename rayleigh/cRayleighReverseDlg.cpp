#include "rayleigh/cRayleighReverseDlg.h"

#include <cmath>
#include <utility>

#include "framework/DialogFieldCheck.h"
#include "framework/NumberText.h"
#include "framework/cPlatformServices.h"
#include "rayleigh/RayleighFormulas.h"
#include "rayleigh/cRayleighDoc.h"

namespace korval {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

cRayleighReverseDlg::Row NextRow(cRayleighReverseDlg::Row row) {
    return static_cast<cRayleighReverseDlg::Row>((row + 1) % cRayleighReverseDlg::kRowCount);
}

}  // namespace

bool IsNumberText(std::string_view text) {
    std::size_t end = text.size();
    while (end > 0 && IsBlank(text[end - 1])) --end;
    if (end == 0) return false;
    std::size_t i = 0;
    while (IsBlank(text[i])) ++i;
    if (text[i] == '-') ++i;
    bool point = false;
    for (; i < end; ++i) {
        if (IsDigit(text[i])) continue;
        if (text[i] == '.' && !point) {
            point = true;
            continue;
        }
        return false;
    }
    return true;
}

cRayleighReverseDlg::cRayleighReverseDlg(cPlatformServices& platform, const cRayleighDoc& document,
                                         cProbabilitySolve::Fetch fetch)
    : platform_(platform),
      percentage_(document.GetBuildPhasePercentage()),
      probability_(platform,
                   {{"mainBuildEffort", "Main build effort (PM)", document.MainBuildEffortMonths()},
                    {"timeToDevelop", "Main build time, TDEV (months)", document.GetSchedule()}},
                   std::move(fetch)) {
    if (const cApplicationType* type = document.SelectedApplicationType())
        measure_ = type->Productivity().Measure();
    double mbi = document.ManpowerBuildupIndex();
    originals_[kSlocRow] = document.GetSourceLines();
    originals_[kScheduleRow] = document.GetSchedule();
    // Without a size there is no buildup at all (MBI minus infinity); the calculator,
    // which shows MBI as a number, starts from 0 instead.
    originals_[kMbiRow] = std::isfinite(mbi) ? mbi : 0.0;
    OnReset();
}

const char* cRayleighReverseDlg::RadioLabel(Row row) {
    static constexpr const char* kLabels[kRowCount] = {
        "Source Lines of Code (SLOC)", "Time to Develop (TDEV)", "Manpower Buildup Index (MBI)"};
    return row < kRowCount ? kLabels[row] : "";
}

const char* cRayleighReverseDlg::FixedRadioLabel(Row row) {
    static constexpr const char* kLabels[kRowCount] = {"SLOC", "TDEV", "MBI"};
    return row < kRowCount ? kLabels[row] : "";
}

std::string cRayleighReverseDlg::GetOutputText(Row row) const {
    return FormatNumber("%3.1lf", outputs_[row]);
}

std::string cRayleighReverseDlg::GetOriginalText(Row row) const {
    return FormatNumber("%3.1lf", originals_[row]);
}

void cRayleighReverseDlg::ShowInputs(const double values[kRowCount]) {
    for (int row = 0; row < kRowCount; ++row) {
        shown_[row] = values[row];
        inputTexts_[row] = FigureFieldText(values[row]);
    }
}

void cRayleighReverseDlg::OnReset() {
    for (int row = 0; row < kRowCount; ++row) outputs_[row] = originals_[row];
    ShowInputs(originals_);
    buildup_ = BuildupFromMbi(originals_[kMbiRow]);
    modify_ = kSlocRow;
    fixed_ = kScheduleRow;
    focus_ = kSlocRow;
    probability_.SetTarget(1, outputs_[kScheduleRow]);
}

void cRayleighReverseDlg::SetModifyRow(Row row) {
    modify_ = row;
    // The modified row can never be the fixed one.
    if (fixed_ == modify_) fixed_ = NextRow(modify_);
}

bool cRayleighReverseDlg::Refuse(Row row, const std::string& message) {
    SetModifyRow(row);
    focus_ = row;
    platform_.ShowMessage(message);
    return false;
}

bool cRayleighReverseDlg::ReadInputs(double values[kRowCount]) {
    for (int row = 0; row < kRowCount; ++row)
        values[row] = FigureFieldValue(inputTexts_[row], shown_[row]);
    const std::pair<Row, const char*> positiveRows[] = {{kSlocRow, "Source lines of code"},
                                                        {kScheduleRow, "Time to develop"}};
    for (const auto& [row, name] : positiveRows) {
        if (!IsNumberText(inputTexts_[row])) return Refuse(row, kNotANumberMessage);
        std::string problem =
            NumberFieldProblem(inputTexts_[row], name, NumberRule::GreaterThanZero);
        if (!problem.empty()) return Refuse(row, problem);
    }
    if (!IsNumberText(inputTexts_[kMbiRow])) return Refuse(kMbiRow, kNotANumberMessage);
    return true;
}

bool cRayleighReverseDlg::OnCalculate() {
    double inputs[kRowCount];
    if (!ReadInputs(inputs)) return false;
    double& sloc = outputs_[kSlocRow];
    double& schedule = outputs_[kScheduleRow];
    double& mbi = outputs_[kMbiRow];
    outputs_[modify_] = inputs[modify_];
    if (modify_ == kMbiRow) buildup_ = BuildupFromMbi(mbi);
    // The row neither modified nor fixed follows from the other two.
    Row result = static_cast<Row>(kRowCount * (kRowCount - 1) / 2 - modify_ - fixed_);
    switch (result) {
        case kMbiRow:
            buildup_ = BuildupFromSizeAndSchedule(sloc, schedule, percentage_, measure_);
            mbi = MbiFromBuildup(buildup_);
            break;
        case kScheduleRow:
            schedule = ScheduleFromBuildup(sloc, buildup_, percentage_, measure_);
            break;
        case kSlocRow:
            sloc = SizeFromBuildup(schedule, buildup_, percentage_, measure_);
            break;
        case kRowCount:
            break;
    }
    probability_.SetTarget(1, schedule);
    ShowInputs(inputs);
    return true;
}

void cRayleighReverseDlg::AfterRadioClick() {
    double inputs[kRowCount];
    if (!ReadInputs(inputs)) return;
    SetModifyRow(modify_);
    focus_ = modify_;
    OnCalculate();
}

void cRayleighReverseDlg::OnModifyRadio(Row row) {
    if (row == kRowCount) return;
    modify_ = row;
    AfterRadioClick();
}

void cRayleighReverseDlg::OnFixedRadio(Row row) {
    if (row == kRowCount || row == modify_) return;
    fixed_ = row;
    AfterRadioClick();
}

}  // namespace korval
