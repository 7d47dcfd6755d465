#include "project/cProjectDoc.h"

#include "cocomo/cCocomoDoc.h"
#include "framework/NumberText.h"
#include "framework/ProfileAccess.h"
#include "framework/TextUtil.h"
#include "framework/cCostDlg.h"
#include "framework/cDisplayOptionsDlg.h"
#include "framework/cSectionMemo.h"
#include "functionpoint/cFunctionPointDoc.h"
#include "rayleigh/RayleighSensitivityType.h"
#include "rayleigh/cRayleighDoc.h"

namespace korval {

namespace {

constexpr const char* kProjectSensitivitySection = "Project_Sensitivity_Analysis";
constexpr const char* kSourceKey = "Selected_Project_Sen";
constexpr const char* kUncertaintySection = "Project_Uncertainty";
// The models' own keys for the settings a project keeps aside.
constexpr const char* kCocomoSensitivitySection = "COCOMO_Sensitivity_Analysis";
constexpr const char* kCocomoTypeKey = "Selected_COCOMO_Sen";
constexpr const char* kCocomoSlocPercentKey = "SLOC_Sen";
constexpr const char* kRayleighSensitivitySection = "Rayleigh_Sensitivity_Analysis";
constexpr const char* kRayleighTypeKey = "Selected_Rayleigh_Sen";

using SensitivitySource = cProjectDoc::SensitivitySource;

std::string SourceToken(SensitivitySource source) {
    switch (source) {
        case SensitivitySource::FunctionPoint:
            return "FP";
        case SensitivitySource::Cocomo:
            return "COCOMO";
        case SensitivitySource::Rayleigh:
            return "RAYLEIGH";
    }
    return "UNKNOWN";
}

}  // namespace

cProjectDoc::cProjectDoc(cAppContext& context)
    : cModelDoc(context, DocumentKind::Project),
      cocomo_(std::make_unique<cCocomoDoc>(context)),
      functionPoint_(std::make_unique<cFunctionPointDoc>(context)),
      rayleigh_(std::make_unique<cRayleighDoc>(context)) {
    // The models have just reset themselves; resetting them again would only repeat the
    // reading of their tables (a system opens hundreds of projects).
    ResetProjectState();
}

cProjectDoc::cProjectDoc(const cProjectDoc& other)
    : cModelDoc(other),
      cocomo_(std::make_unique<cCocomoDoc>(*other.cocomo_)),
      functionPoint_(std::make_unique<cFunctionPointDoc>(*other.functionPoint_)),
      rayleigh_(std::make_unique<cRayleighDoc>(*other.rayleigh_)),
      fpmCcmDescription_(other.fpmCcmDescription_),
      sensitivitySource_(other.sensitivitySource_),
      savedCocomoSlocSensitivity_(other.savedCocomoSlocSensitivity_),
      savedCocomoSensitivityType_(other.savedCocomoSensitivityType_),
      savedRayleighSensitivityType_(other.savedRayleighSensitivityType_),
      simulation_(other.simulation_),
      cost_(other.cost_) {}

cProjectDoc::~cProjectDoc() = default;

double cProjectDoc::FunctionPointSlocPercentage() const {
    RangedFigure sloc = functionPoint_->SourceLinesOfCodeRange();
    return sloc.value == 0 ? 0.0 : (sloc.value - sloc.low) * 100.0 / sloc.value;
}

// --- Figures flowing from model to model -------------------------------------------

// In the order of the project: the function point size into COCOMO and Rayleigh, the
// COCOMO schedule into Rayleigh, then the chosen source's range. Only what the change can
// have made stale is handed on: a model keeps what its own commands gave it (COCOMO's
// attributes hand back the size as their dialog shows it) until its source changes.
void cProjectDoc::FlowFigures(Change change) {
    ImposeCostOnModels();
    const bool sizeIntoCocomo = change == Change::Everything || change == Change::NewCocomo;
    const bool sizeIntoRayleigh = change == Change::Everything || change == Change::NewRayleigh;
    const bool fpRangeIntoCocomo = change == Change::Everything || change == Change::Sensitivity ||
                                   change == Change::NewCocomo;
    if (sizeIntoCocomo || sizeIntoRayleigh) {
        double sloc = functionPoint_->SourceLinesOfCode();
        if (sizeIntoCocomo) cocomo_->SetSourceLines(sloc);
        if (sizeIntoRayleigh) rayleigh_->SetSourceLines(sloc);
    }
    rayleigh_->SetSchedule(cocomo_->GetTimeToDevelop());
    if (fpRangeIntoCocomo && CocomoCarriesFpRange())
        cocomo_->SetSlocSensitivity(FunctionPointSlocPercentage());
    // The range is taken after the function point range reached COCOMO.
    RangedFigure schedule = cocomo_->GetTimeToDevelopRange();

    if (change == Change::CocomoSchedule) {
        // COCOMO's own commands hand their schedule range on whatever the source; Rayleigh
        // reads it only while it shows the project ranges.
        rayleigh_->SetScheduleRange(schedule.low, schedule.high);
        return;
    }
    if (!RayleighShowsProjectRanges()) return;
    rayleigh_->SetScheduleRange(schedule.low, schedule.high);
    RangedFigure size = cocomo_->GetSourceLinesRange();
    rayleigh_->SetSourceLinesRange(size.low, size.high);
}

// Every change can have brought a new model (an import, an Initialize): the rate is handed
// to both each time.
void cProjectDoc::ImposeCostOnModels() {
    cocomo_->SetCostRate(cost_);
    rayleigh_->SetCostRate(cost_);
}

void cProjectDoc::SetCostRate(const CostRate& cost) {
    cost_ = cost;
    ImposeCostOnModels();
}

bool cProjectDoc::OnCost() {
    std::optional<CostRate> cost = cCostDlg::Ask(
        Platform(), "Project Cost",
        "One rate for the project: it prices the COCOMO and the Rayleigh efforts.", cost_);
    if (!cost) return false;
    SetCostRate(*cost);
    SetModifiedFlag();
    UpdateAllViews();
    return true;
}

bool cProjectDoc::CocomoCarriesFpRange() const {
    return sensitivitySource_ == SensitivitySource::FunctionPoint;
}

bool cProjectDoc::RayleighShowsProjectRanges() const {
    return sensitivitySource_ == SensitivitySource::FunctionPoint ||
           sensitivitySource_ == SensitivitySource::Cocomo;
}

// With the function point model as the source, COCOMO carries the function point SLOC
// range instead of its own; its own percentage and type are kept aside.
void cProjectDoc::KeepCocomoSensitivityAside() {
    savedCocomoSlocSensitivity_ = cocomo_->GetSlocSensitivity();
    savedCocomoSensitivityType_ = cocomo_->GetSensitivityType();
    cocomo_->SetSensitivityType(CocomoSensitivityType::Sloc);
}

// While FP or COCOMO is the source, Rayleigh shows the ranges handed down to it.
void cProjectDoc::KeepRayleighTypeAside() {
    savedRayleighSensitivityType_ = rayleigh_->GetSensitivityType();
    rayleigh_->SetSensitivityType(RayleighSensitivityType::ProjectRanges);
}

void cProjectDoc::AfterModelCommand(const cModelDoc& model, std::optional<Change> change) {
    if (!model.IsModified()) return;
    if (change) FlowFigures(*change);
    SetModifiedFlag();
    UpdateAllViews();
}

// The function point and COCOMO sensitivity commands mark the project even when their
// dialog changed nothing.
void cProjectDoc::AfterSensitivityCommand(const cModelDoc& model) {
    if (model.IsModified()) FlowFigures(Change::Sensitivity);
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
    simulation_ = {};
    cModelDoc::ResetToDefaults();
    cost_ = DefaultCostRate(DefaultsProfile());
    sensitivitySource_ = SensitivitySource::FunctionPoint;
    KeepCocomoSensitivityAside();
    KeepRayleighTypeAside();
    FlowFigures(Change::Everything);
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

// Every model is read even when one before it could not be: the project opens with what
// there is, as it always has.
bool cProjectDoc::LoadOwnSections(const std::string& path) {
    bool functionPointLoaded = functionPoint_->LoadModel(path);
    bool cocomoLoaded = cocomo_->LoadModel(path);
    bool rayleighLoaded = rayleigh_->LoadModel(path);
    ReadFilterValues(path);

    std::string source = ReadProfileValue(kProjectSensitivitySection, kSourceKey, "", 10, path);
    if (source.empty()) {
        sensitivitySource_ = SensitivitySource::FunctionPoint;
    } else {
        for (SensitivitySource candidate :
             {SensitivitySource::FunctionPoint, SensitivitySource::Cocomo,
              SensitivitySource::Rayleigh}) {
            if (EqualsNoCase(source, SourceToken(candidate))) sensitivitySource_ = candidate;
        }
    }
    // Most files hold no uncertainty, or the same: read once per distinct section text.
    static const std::vector<std::string_view> uncertaintySections = {kUncertaintySection};
    static cSectionMemo<SimulationSettings> uncertaintyMemo;
    simulation_ = uncertaintyMemo.Read(path, uncertaintySections, nullptr, Platform(), [&] {
        return ReadSimulationSettings(kUncertaintySection, path);
    });
    if (CocomoCarriesFpRange()) KeepCocomoSensitivityAside();
    if (RayleighShowsProjectRanges()) KeepRayleighTypeAside();
    // The models have read the file's one [Cost] section: the project's rate.
    cost_ = cocomo_->GetCostRate();
    FlowFigures(Change::Everything);
    return functionPointLoaded && cocomoLoaded && rayleighLoaded;
}

bool cProjectDoc::SaveOwnSections(const std::string& path) {
    return functionPoint_->SaveModel(path) && cocomo_->SaveModel(path) &&
           WriteKeptAsideCocomoSettings(path) && rayleigh_->SaveModel(path) &&
           WriteKeptAsideRayleighType(path) && WriteFilterValues(path) &&
           WriteProfileValue(kProjectSensitivitySection, kSourceKey,
                             SourceToken(sensitivitySource_), path) &&
           WriteSimulationRun(path);
}

bool cProjectDoc::WriteSimulationRun(const std::string& path) const {
    if (simulation_ == SimulationSettings{} && !HasSimulationSection(kUncertaintySection, path))
        return true;
    return WriteSimulationSettings(kUncertaintySection, simulation_, path);
}

// The file keeps each model's own sensitivity settings, not those the project imposes:
// the kept-aside ones replace, in their place, the imposed ones the model has just written.
bool cProjectDoc::WriteKeptAsideCocomoSettings(const std::string& path) const {
    if (!CocomoCarriesFpRange()) return true;
    return WriteProfileValue(kCocomoSensitivitySection, kCocomoTypeKey,
                             SensitivityTypeToken(savedCocomoSensitivityType_), path) &&
           WriteProfileValue(kCocomoSensitivitySection, kCocomoSlocPercentKey,
                             FormatNumber("%lf", savedCocomoSlocSensitivity_), path);
}

bool cProjectDoc::WriteKeptAsideRayleighType(const std::string& path) const {
    if (!RayleighShowsProjectRanges()) return true;
    return WriteProfileValue(kRayleighSensitivitySection, kRayleighTypeKey,
                             RayleighSensitivityFileToken(savedRayleighSensitivityType_), path);
}

// --- Sensitivity source ------------------------------------------------------------

void cProjectDoc::OnUseSensitivity(SensitivitySource source) {
    if (source == sensitivitySource_) return;
    SensitivitySource previous = sensitivitySource_;
    sensitivitySource_ = source;
    if (source == SensitivitySource::Rayleigh) {
        rayleigh_->SetSensitivityType(savedRayleighSensitivityType_);
    } else {
        if (previous == SensitivitySource::Rayleigh) KeepRayleighTypeAside();
        if (source == SensitivitySource::Cocomo) {
            // What was kept aside at the last imposition comes back, whichever source
            // the project leaves.
            cocomo_->SetSlocSensitivity(savedCocomoSlocSensitivity_);
            cocomo_->SetSensitivityType(savedCocomoSensitivityType_);
        } else if (previous == SensitivitySource::Cocomo) {
            KeepCocomoSensitivityAside();
        } else {
            // Coming from Rayleigh, COCOMO keeps its type; its current percentage is kept.
            savedCocomoSlocSensitivity_ = cocomo_->GetSlocSensitivity();
        }
    }
    FlowFigures(Change::Sensitivity);
    SetModifiedFlag();
    UpdateAllViews();
}

bool cProjectDoc::IsSensitivityCommandEnabled(Model model) const {
    switch (model) {
        case Model::FunctionPoint:
            return sensitivitySource_ == SensitivitySource::FunctionPoint;
        case Model::Cocomo:
            return sensitivitySource_ == SensitivitySource::Cocomo;
        case Model::Rayleigh:
            return sensitivitySource_ == SensitivitySource::Rayleigh;
    }
    return false;
}

// --- Forwarded model commands ------------------------------------------------------

void cProjectDoc::OnFunctionPointCount() {
    functionPoint_->OnFunctionPointCount();
    AfterModelCommand(*functionPoint_, Change::Everything);
}

void cProjectDoc::OnValueAdjustmentFactor() {
    functionPoint_->OnValueAdjustmentFactor();
    AfterModelCommand(*functionPoint_, Change::Everything);
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
    functionPoint_->OnReverseEngineeringWith(cProbabilitySolve::FetchFor(*this));
}

void cProjectDoc::OnFunctionPointInitialize() {
    if (!functionPoint_->OnInitialize()) return;
    functionPoint_->SetFilter(kDescriptionSwitch, fpmCcmDescription_);
    AfterModelCommand(*functionPoint_, Change::Everything);
}

void cProjectDoc::OnCocomoAttributes() {
    cocomo_->SetSlocEditable(0);
    cocomo_->OnAttributes();
    AfterModelCommand(*cocomo_, Change::CocomoSchedule);
}

void cProjectDoc::OnCocomoCostDrivers() {
    cocomo_->OnCostDrivers();
    AfterModelCommand(*cocomo_, Change::CocomoSchedule);
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
    cocomo_->OnReverseEngineeringWith(cProbabilitySolve::FetchFor(*this));
}

void cProjectDoc::OnCocomoInitialize() {
    if (!cocomo_->OnInitialize()) return;
    cocomo_->SetFilter(kDescriptionSwitch, fpmCcmDescription_);
    // Rayleigh already shows the project ranges, so those are what is kept aside for it.
    if (RayleighShowsProjectRanges()) KeepRayleighTypeAside();
    AfterModelCommand(*cocomo_, Change::NewCocomo);
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
    rayleigh_->OnReverseEngineeringWith(cProbabilitySolve::FetchFor(*this));
}

void cProjectDoc::OnRayleighInitialize() {
    if (!rayleigh_->OnInitialize()) return;
    rayleigh_->SetFilter(kDescriptionSwitch, fpmCcmDescription_);
    // The initialized model shows its own type until the source changes.
    AfterModelCommand(*rayleigh_, Change::NewRayleigh);
}

void cProjectDoc::OnLanguages() {
    functionPoint_->OnLanguages(GetPathName());
    // The size read again with the table reaches COCOMO and Rayleigh with the next
    // function point command, as it always has.
    AfterModelCommand(*functionPoint_);
}

// --- Import and export -------------------------------------------------------------

// A model holds data once it is described or sized: an import would lose them.
bool cProjectDoc::ModelHasData(Model model) const {
    switch (model) {
        case Model::FunctionPoint:
            return !functionPoint_->GetTitle().empty() ||
                   functionPoint_->UnadjustedFunctionPoints() > 0;
        case Model::Cocomo:
            return !cocomo_->GetTitle().empty() || cocomo_->GetSourceLines() > 0;
        case Model::Rayleigh:
            return !rayleigh_->GetTitle().empty() || rayleigh_->GetSourceLines() > 0;
    }
    return false;
}

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
    // The file dialog names what is imported and offers that kind's files first.
    const std::string& extension = Context().extensions[static_cast<int>(rule.kind)];
    std::string path = Platform().PromptOpenFileNameTitled(
        "Import " + std::string(kind.newListEntry), "*" + extension,
        kind.FilterText(extension) + "All Files (*.*)|*.*|",
        CutToChars(extension.empty() ? extension : extension.substr(1), 3));
    if (path.empty()) return false;
    if (ReadProfileString("KORVAL", "KORVAL_Type", "", 20, path) != kind.typeName) {
        Platform().ShowMessage(rule.message);
        return false;
    }
    if (ModelHasData(model) &&
        Platform().ShowMessage("The project's " + std::string(kind.newListEntry) +
                                   " has data. Replace it with the model in " + path + "?",
                               MessageButtons::YesNo) != MessageAnswer::Yes) {
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
    imported->LoadModel(path);
    imported->SetFilter(kDescriptionSwitch, fpmCcmDescription_);
    imported->SetFilter(kSensitivityAnalysisSwitch, GetFilter(kSensitivityAnalysisSwitch));

    Change change = Change::Everything;
    switch (model) {
        case Model::FunctionPoint:
            break;
        case Model::Cocomo:
            change = Change::NewCocomo;
            savedCocomoSlocSensitivity_ = 0;
            savedCocomoSensitivityType_ = cocomo_->GetSensitivityType();
            if (CocomoCarriesFpRange()) KeepCocomoSensitivityAside();
            break;
        case Model::Rayleigh:
            change = Change::NewRayleigh;
            if (RayleighShowsProjectRanges()) {
                KeepRayleighTypeAside();
            } else {
                savedRayleighSensitivityType_ = rayleigh_->GetSensitivityType();
            }
            break;
    }
    FlowFigures(change);
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
