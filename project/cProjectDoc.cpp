#include "project/cProjectDoc.h"

#include "cocomo/cCocomoDoc.h"
#include "framework/ProfileAccess.h"
#include "framework/TextUtil.h"
#include "framework/cDisplayOptionsDlg.h"
#include "functionpoint/cFunctionPointDoc.h"
#include "rayleigh/RayleighSensitivityType.h"
#include "rayleigh/cRayleighDoc.h"

namespace korval {

namespace {

constexpr const char* kProjectSensitivitySection = "Project_Sensitivity_Analysis";
constexpr const char* kSourceKey = "Selected_Project_Sen";

std::string SourceToken(int source) {
    switch (source) {
        case cProjectDoc::kFunctionPointSource:
            return "FP";
        case cProjectDoc::kCocomoSource:
            return "COCOMO";
        case cProjectDoc::kRayleighSource:
            return "RAYLEIGH";
        default:
            return "UNKNOWN";
    }
}

}  // namespace

cProjectDoc::cProjectDoc(cAppContext& context)
    : cModelDoc(context, DocumentKind::Project),
      cocomo_(std::make_unique<cCocomoDoc>(context)),
      functionPoint_(std::make_unique<cFunctionPointDoc>(context)),
      rayleigh_(std::make_unique<cRayleighDoc>(context)) {
    savedCocomoSensitivityType_ = cocomo_->GetSensitivityType();
    savedRayleighSensitivityType_ = rayleigh_->GetSensitivityType();
    // The models have just reset themselves; resetting them again would only repeat the
    // reading of their tables (a system opens hundreds of projects).
    ResetProjectState();
}

cProjectDoc::~cProjectDoc() = default;

double cProjectDoc::FunctionPointSlocPercentage() const {
    RangedFigure sloc = functionPoint_->SourceLinesOfCodeRange();
    return sloc.value == 0 ? 0.0 : (sloc.value - sloc.low) * 100.0 / sloc.value;
}

// --- Propagation -------------------------------------------------------------------

void cProjectDoc::PropagateRanges() {
    if (sensitivitySource_ != kFunctionPointSource && sensitivitySource_ != kCocomoSource) return;
    RangedFigure schedule = cocomo_->GetTimeToDevelopRange();
    rayleigh_->SetScheduleRange(schedule.low, schedule.high);
    RangedFigure size = cocomo_->GetSourceLinesRange();
    rayleigh_->SetSourceLinesRange(size.low, size.high);
}

void cProjectDoc::PropagateSize() {
    double sloc = functionPoint_->SourceLinesOfCode();
    cocomo_->SetSourceLines(sloc);
    rayleigh_->SetSourceLines(sloc);
    rayleigh_->SetSchedule(cocomo_->GetTimeToDevelop());
    if (sensitivitySource_ == kFunctionPointSource)
        cocomo_->SetSlocSensitivity(FunctionPointSlocPercentage());
    PropagateRanges();
}

void cProjectDoc::PropagateSchedule() {
    RangedFigure schedule = cocomo_->GetTimeToDevelopRange();
    rayleigh_->SetSchedule(schedule.value);
    rayleigh_->SetScheduleRange(schedule.low, schedule.high);
}

void cProjectDoc::PropagateSensitivity() {
    if (sensitivitySource_ == kFunctionPointSource)
        cocomo_->SetSlocSensitivity(FunctionPointSlocPercentage());
    PropagateRanges();
}

// With the function point model as the source, COCOMO carries the function point SLOC
// range instead of its own; its own percentage and type are kept aside.
void cProjectDoc::ImposeProjectSensitivity() {
    savedCocomoSlocSensitivity_ = cocomo_->GetSlocSensitivity();
    cocomo_->SetSlocSensitivity(FunctionPointSlocPercentage());
    savedCocomoSensitivityType_ = cocomo_->GetSensitivityType();
    cocomo_->SetSensitivityType(CocomoSensitivityType::Sloc);
}

void cProjectDoc::AfterModelCommand(const cModelDoc& model, void (cProjectDoc::*propagate)()) {
    if (!model.IsModified()) return;
    if (propagate != nullptr) (this->*propagate)();
    SetModifiedFlag();
    UpdateAllViews();
}

// The function point and COCOMO sensitivity commands mark the project even when their
// dialog changed nothing.
void cProjectDoc::AfterSensitivityCommand(const cModelDoc& model) {
    if (model.IsModified()) PropagateSensitivity();
    SetModifiedFlag();
    UpdateAllViews();
}

// --- Reset, filter, load and save -------------------------------------------------

void cProjectDoc::ResetToDefaults() {
    functionPoint_->ResetToDefaults();
    cocomo_->ResetToDefaults();
    rayleigh_->ResetToDefaults();
    ResetProjectState();
}

void cProjectDoc::ResetProjectState() {
    fpmCcmDescription_ = FilterState::On;
    cModelDoc::ResetToDefaults();
    sensitivitySource_ = kFunctionPointSource;
    ImposeProjectSensitivity();
    PropagateRanges();
    savedRayleighSensitivityType_ = rayleigh_->GetSensitivityType();
    rayleigh_->SetSensitivityType(RayleighSensitivityType::ProjectRanges);
}

bool cProjectDoc::WriteFilterValues(const std::string& path) {
    if (!cModelDoc::WriteFilterValues(path)) return false;
    std::string token = fpmCcmDescription_ == FilterState::On    ? "ON"
                        : fpmCcmDescription_ == FilterState::Off ? "OFF"
                                                                 : "UNKNOWN";
    return WriteProfileValue("Filter_Values", "FpmCcmDescription", token, path);
}

bool cProjectDoc::ReadFilterValues(const std::string& path) {
    if (!cModelDoc::ReadFilterValues(path)) return false;
    std::string token = ReadProfileValue("Filter_Values", "FpmCcmDescription", "", 10, path);
    std::optional<FilterState> state = ParseFilterToken(token);
    if (token.empty()) {
        fpmCcmDescription_ = FilterState::Off;
    } else if (state && *state != FilterState::NotApplicable) {
        fpmCcmDescription_ = *state;
    }
    for (cModelDoc* model :
         {static_cast<cModelDoc*>(functionPoint_.get()), static_cast<cModelDoc*>(cocomo_.get()),
          static_cast<cModelDoc*>(rayleigh_.get())}) {
        if (model != nullptr) model->SetFilter(kDescriptionSwitch, fpmCcmDescription_);
    }
    return true;
}

bool cProjectDoc::WriteIdentity(const std::string& path) {
    return WriteProfileValue("KORVAL", "KORVAL_Type", "Project", path) && WriteFileVersion(path);
}

bool cProjectDoc::LoadOwnSections(const std::string& path) {
    bool loaded = functionPoint_->LoadModel(path);
    loaded = cocomo_->LoadModel(path) && loaded;
    loaded = rayleigh_->LoadModel(path) && loaded;
    double sloc = functionPoint_->SourceLinesOfCode();
    cocomo_->SetSourceLines(sloc);
    rayleigh_->SetSourceLines(sloc);
    rayleigh_->SetSchedule(cocomo_->GetTimeToDevelop());
    ReadFilterValues(path);

    std::string source = ReadProfileValue(kProjectSensitivitySection, kSourceKey, "", 10, path);
    if (source.empty()) {
        sensitivitySource_ = kFunctionPointSource;
    } else {
        for (int candidate : {kFunctionPointSource, kCocomoSource, kRayleighSource}) {
            if (EqualsNoCase(source, SourceToken(candidate))) sensitivitySource_ = candidate;
        }
    }
    if (sensitivitySource_ == kFunctionPointSource) ImposeProjectSensitivity();
    if (sensitivitySource_ == kFunctionPointSource || sensitivitySource_ == kCocomoSource) {
        PropagateRanges();
        savedRayleighSensitivityType_ = rayleigh_->GetSensitivityType();
        rayleigh_->SetSensitivityType(RayleighSensitivityType::ProjectRanges);
    }
    return loaded;
}

bool cProjectDoc::SaveOwnSections(const std::string& path) {
    bool written = functionPoint_->SaveModel(path);

    // The file keeps each model's own sensitivity settings, not those the project imposes.
    double imposedSlocPercent = cocomo_->GetSlocSensitivity();
    CocomoSensitivityType imposedCocomoType = cocomo_->GetSensitivityType();
    RayleighSensitivityType imposedRayleighType = rayleigh_->GetSensitivityType();
    bool cocomoImposed = sensitivitySource_ == kFunctionPointSource;
    bool rayleighImposed =
        sensitivitySource_ == kFunctionPointSource || sensitivitySource_ == kCocomoSource;
    if (cocomoImposed) {
        cocomo_->SetSlocSensitivity(savedCocomoSlocSensitivity_);
        cocomo_->SetSensitivityType(savedCocomoSensitivityType_);
    }
    written = written && cocomo_->SaveModel(path);
    if (rayleighImposed) rayleigh_->SetSensitivityType(savedRayleighSensitivityType_);
    written = written && rayleigh_->SaveModel(path);
    written = written && WriteFilterValues(path) &&
              WriteProfileValue(kProjectSensitivitySection, kSourceKey,
                                SourceToken(sensitivitySource_), path);

    if (cocomoImposed) {
        cocomo_->SetSlocSensitivity(imposedSlocPercent);
        cocomo_->SetSensitivityType(imposedCocomoType);
    }
    if (rayleighImposed) rayleigh_->SetSensitivityType(imposedRayleighType);
    return written;
}

// --- Sensitivity source ------------------------------------------------------------

void cProjectDoc::OnUseSensitivity(int source) {
    if (source == sensitivitySource_) return;
    if (source == kFunctionPointSource || source == kCocomoSource) {
        if (sensitivitySource_ == kRayleighSource) {
            savedRayleighSensitivityType_ = rayleigh_->GetSensitivityType();
            rayleigh_->SetSensitivityType(RayleighSensitivityType::ProjectRanges);
        }
        if (source == kFunctionPointSource) {
            if (sensitivitySource_ == kCocomoSource) {
                savedCocomoSensitivityType_ = cocomo_->GetSensitivityType();
                cocomo_->SetSensitivityType(CocomoSensitivityType::Sloc);
            }
            sensitivitySource_ = kFunctionPointSource;
            savedCocomoSlocSensitivity_ = cocomo_->GetSlocSensitivity();
            cocomo_->SetSlocSensitivity(FunctionPointSlocPercentage());
        } else {
            sensitivitySource_ = kCocomoSource;
            cocomo_->SetSlocSensitivity(savedCocomoSlocSensitivity_);
            cocomo_->SetSensitivityType(savedCocomoSensitivityType_);
        }
        PropagateRanges();
    } else if (source == kRayleighSource) {
        sensitivitySource_ = kRayleighSource;
        rayleigh_->SetSensitivityType(savedRayleighSensitivityType_);
    } else {
        return;
    }
    SetModifiedFlag();
    UpdateAllViews();
}

bool cProjectDoc::IsSensitivityCommandEnabled(Model model) const {
    switch (model) {
        case Model::FunctionPoint:
            return sensitivitySource_ == kFunctionPointSource;
        case Model::Cocomo:
            return sensitivitySource_ == kCocomoSource;
        case Model::Rayleigh:
            return sensitivitySource_ == kRayleighSource;
    }
    return false;
}

// --- Forwarded model commands ------------------------------------------------------

void cProjectDoc::OnFunctionPointCount() {
    functionPoint_->OnFunctionPointCount();
    AfterModelCommand(*functionPoint_, &cProjectDoc::PropagateSize);
}

void cProjectDoc::OnValueAdjustmentFactor() {
    functionPoint_->OnValueAdjustmentFactor();
    AfterModelCommand(*functionPoint_, &cProjectDoc::PropagateSize);
}

void cProjectDoc::OnFunctionPointDescription() {
    functionPoint_->EditDescription();
    AfterModelCommand(*functionPoint_);
}

void cProjectDoc::OnFunctionPointSensitivity() {
    if (!IsSensitivityCommandEnabled(Model::FunctionPoint)) return;
    functionPoint_->OnSensitivityAnalysis();
    AfterSensitivityCommand(*functionPoint_);
}

void cProjectDoc::OnFunctionPointReverseEngineering() {
    functionPoint_->OnReverseEngineering();
}

void cProjectDoc::OnFunctionPointInitialize() {
    if (!functionPoint_->OnInitialize()) return;
    functionPoint_->SetFilter(kDescriptionSwitch, fpmCcmDescription_);
    PropagateSize();
    AfterModelCommand(*functionPoint_);
}

void cProjectDoc::OnCocomoAttributes() {
    cocomo_->SetSlocEditable(false);
    cocomo_->OnAttributes();
    AfterModelCommand(*cocomo_, &cProjectDoc::PropagateSchedule);
}

void cProjectDoc::OnCocomoCostDrivers() {
    cocomo_->OnCostDrivers();
    AfterModelCommand(*cocomo_, &cProjectDoc::PropagateSchedule);
}

void cProjectDoc::OnCocomoDescription() {
    cocomo_->EditDescription();
    AfterModelCommand(*cocomo_);
}

void cProjectDoc::OnCocomoSensitivity() {
    if (!IsSensitivityCommandEnabled(Model::Cocomo)) return;
    cocomo_->OnSensitivityAnalysis();
    AfterSensitivityCommand(*cocomo_);
}

void cProjectDoc::OnCocomoReverseEngineering() {
    cocomo_->OnReverseEngineering();
}

void cProjectDoc::OnCocomoInitialize() {
    if (!cocomo_->OnInitialize()) return;
    cocomo_->SetSourceLines(functionPoint_->SourceLinesOfCode());
    cocomo_->SetFilter(kDescriptionSwitch, fpmCcmDescription_);
    if (sensitivitySource_ == kFunctionPointSource)
        cocomo_->SetSlocSensitivity(FunctionPointSlocPercentage());
    SetModifiedFlag();
    UpdateAllViews();
    rayleigh_->SetSchedule(cocomo_->GetTimeToDevelop());
    if (sensitivitySource_ == kFunctionPointSource || sensitivitySource_ == kCocomoSource) {
        PropagateRanges();
        savedRayleighSensitivityType_ = rayleigh_->GetSensitivityType();
        rayleigh_->SetSensitivityType(RayleighSensitivityType::ProjectRanges);
    }
}

void cProjectDoc::OnRayleighAttributes() {
    rayleigh_->SetSourceLinesEditable(false);
    rayleigh_->SetScheduleEditable(false);
    rayleigh_->OnAttributes();
    AfterModelCommand(*rayleigh_);
}

void cProjectDoc::OnRayleighDescription() {
    rayleigh_->EditDescription();
    AfterModelCommand(*rayleigh_);
}

void cProjectDoc::OnRayleighSensitivity() {
    if (!IsSensitivityCommandEnabled(Model::Rayleigh)) return;
    rayleigh_->OnSensitivityAnalysis();
    AfterModelCommand(*rayleigh_);
}

void cProjectDoc::OnRayleighReverseEngineering() {
    rayleigh_->OnReverseEngineering();
}

void cProjectDoc::OnRayleighInitialize() {
    if (!rayleigh_->OnInitialize()) return;
    rayleigh_->SetSourceLines(functionPoint_->SourceLinesOfCode());
    rayleigh_->SetSchedule(cocomo_->GetTimeToDevelop());
    rayleigh_->SetFilter(kDescriptionSwitch, fpmCcmDescription_);
    PropagateRanges();
    AfterModelCommand(*rayleigh_);
}

void cProjectDoc::OnLanguages() {
    functionPoint_->OnLanguages(GetPathName());
    AfterModelCommand(*functionPoint_);
}

// --- Import and export -------------------------------------------------------------

bool cProjectDoc::OnImport(Model model) {
    struct ImportRule {
        DocumentKind kind;
        const char* message;
    };
    static const ImportRule kRules[] = {
        {DocumentKind::FunctionPoint, "This file is not a Function Point file"},
        {DocumentKind::Cocomo, "This file is not a COCOMO file"},
        {DocumentKind::Rayleigh, "This file is not a Rayleigh file"},
    };
    const ImportRule& rule = kRules[static_cast<int>(model)];
    const cDocumentKind& kind = cDocumentKind::Of(rule.kind);
    std::string path = Platform().PromptOpenFileName(
        "*" + std::string(kind.defaultExtension), cDocumentKind::OpenFilters(Context().extensions));
    if (path.empty()) return false;
    if (ReadProfileString("KORVAL", "KORVAL_Type", "", 20, path) != kind.typeName) {
        Platform().ShowMessage(rule.message);
        return false;
    }
    cModelDoc* imported = nullptr;
    switch (model) {
        case Model::FunctionPoint:
            functionPoint_ = std::make_unique<cFunctionPointDoc>(Context());
            imported = functionPoint_.get();
            break;
        case Model::Cocomo:
            cocomo_ = std::make_unique<cCocomoDoc>(Context());
            imported = cocomo_.get();
            break;
        case Model::Rayleigh:
            rayleigh_ = std::make_unique<cRayleighDoc>(Context());
            imported = rayleigh_.get();
            break;
    }
    if (!imported->LoadModel(path)) return false;
    imported->SetFilter(kDescriptionSwitch, fpmCcmDescription_);
    imported->SetFilter(kSensitivityAnalysisSwitch, GetFilter(kSensitivityAnalysisSwitch));

    switch (model) {
        case Model::FunctionPoint:
            PropagateSize();
            break;
        case Model::Cocomo:
            cocomo_->SetSourceLines(functionPoint_->SourceLinesOfCode());
            rayleigh_->SetSchedule(cocomo_->GetTimeToDevelop());
            savedCocomoSlocSensitivity_ = 0;
            savedCocomoSensitivityType_ = cocomo_->GetSensitivityType();
            if (sensitivitySource_ == kFunctionPointSource) ImposeProjectSensitivity();
            PropagateRanges();
            break;
        case Model::Rayleigh:
            rayleigh_->SetSourceLines(functionPoint_->SourceLinesOfCode());
            rayleigh_->SetSchedule(cocomo_->GetTimeToDevelop());
            savedRayleighSensitivityType_ = rayleigh_->GetSensitivityType();
            if (sensitivitySource_ == kFunctionPointSource || sensitivitySource_ == kCocomoSource) {
                PropagateRanges();
                rayleigh_->SetSensitivityType(RayleighSensitivityType::ProjectRanges);
            }
            break;
    }
    UpdateAllViews();
    SetModifiedFlag();
    return true;
}

bool cProjectDoc::OnExport(Model model) {
    cModelDoc* exported = model == Model::FunctionPoint
                              ? static_cast<cModelDoc*>(functionPoint_.get())
                          : model == Model::Cocomo ? static_cast<cModelDoc*>(cocomo_.get())
                                                   : static_cast<cModelDoc*>(rayleigh_.get());
    exported->SetFilter(kDescriptionSwitch, GetFilter(kDescriptionSwitch));
    bool saved = exported->OnFileSaveAs();
    exported->SetFilter(kDescriptionSwitch, fpmCcmDescription_);
    return saved;
}

// --- Display options ---------------------------------------------------------------

void cProjectDoc::FillDisplayOptions(cDisplayOptionsDlg& dialog) const {
    cModelDoc::FillDisplayOptions(dialog);
    dialog.SetValue(cDisplayOptionsDlg::kModelDescriptionsBox, fpmCcmDescription_);
}

void cProjectDoc::StoreDisplayOptions(const cDisplayOptionsDlg& dialog) {
    cModelDoc::StoreDisplayOptions(dialog);
    fpmCcmDescription_ = dialog.Result(cDisplayOptionsDlg::kModelDescriptionsBox);
    CopySwitchesIntoModels();
}

void cProjectDoc::CopySwitchesIntoModels() {
    for (cModelDoc* model :
         {static_cast<cModelDoc*>(functionPoint_.get()), static_cast<cModelDoc*>(cocomo_.get()),
          static_cast<cModelDoc*>(rayleigh_.get())}) {
        model->SetFilter(kDescriptionSwitch, fpmCcmDescription_);
        model->SetFilter(kTotalsSwitch, GetFilter(kTotalsSwitch));
        model->SetFilter(kIntermediateTotalsSwitch, GetFilter(kIntermediateTotalsSwitch));
        model->SetFilter(kSensitivityAnalysisSwitch, GetFilter(kSensitivityAnalysisSwitch));
    }
    cocomo_->SetFilter(kPhaseDistributionSwitch, GetFilter(kPhaseDistributionSwitch));
}

}  // namespace korval
