#include "system/cSystemProjectDoc.h"

#include "cocomo/cCocomoDoc.h"
#include "functionpoint/cFunctionPointDoc.h"
#include "rayleigh/cRayleighDoc.h"
#include "system/cMemberProjectCache.h"

namespace korval {

namespace {
const std::string kNoText;
}  // namespace

cSystemProjectDoc::cSystemProjectDoc(cAppContext& context) : context_(context) {}

cSystemProjectDoc::~cSystemProjectDoc() = default;

bool cSystemProjectDoc::LoadModel(const std::string& path) {
    cMemberProjectCache projects(context_);
    return LoadModel(path, projects);
}

bool cSystemProjectDoc::LoadModel(const std::string& path, cMemberProjectCache& projects) {
    fileName_ = path;
    found_ = false;
    std::string resolved = projects.Resolve(path);
    resolvedPath_ = resolved;
    if (!projects.Exists(resolved)) {
        stamp_ = StampOfFile(resolved);
        read_ = projects.MissingMember();
        return false;
    }
    found_ = true;
    read_ = projects.MemberOf(resolved);
    stamp_ = projects.StampOf(resolved);
    return true;
}

bool cSystemProjectDoc::HasChangedOnDisk() const {
    return !resolvedPath_.empty() && StampOfFile(resolvedPath_) != stamp_;
}

const std::string& cSystemProjectDoc::GetTitle() const {
    return read_ ? read_->project->GetTitle() : kNoText;
}

const std::string& cSystemProjectDoc::GetPreparedBy() const {
    return read_ ? read_->project->GetPreparedBy() : kNoText;
}

const std::string& cSystemProjectDoc::GetDescription() const {
    return read_ ? read_->project->GetDescription() : kNoText;
}

const cFunctionPointDoc* cSystemProjectDoc::GetFunctionPointModel() const {
    return read_ ? read_->project->GetFunctionPointModel() : nullptr;
}

const cCocomoDoc* cSystemProjectDoc::GetCocomoModel() const {
    return read_ ? read_->project->GetCocomoModel() : nullptr;
}

const cRayleighDoc* cSystemProjectDoc::GetRayleighModel() const {
    return read_ ? read_->project->GetRayleighModel() : nullptr;
}

MemberFigures cSystemProjectDoc::Figures() const {
    return read_ ? read_->figures : MemberFigures{};
}

MemberFigures cSystemProjectDoc::FiguresOf(const cProjectDoc& project) {
    MemberFigures figures;
    if (const cFunctionPointDoc* fp = project.GetFunctionPointModel()) {
        figures.adjustedFunctionPoints = fp->AdjustedFunctionPoints();
        figures.sourceLines = fp->SourceLinesOfCode();
    }
    if (const cCocomoDoc* cocomo = project.GetCocomoModel()) {
        PhaseFigures design = cocomo->GetPhaseFigures(cCocomoDoc::Phase::ProductDesign);
        PhaseFigures programming = cocomo->GetProgrammingPhaseFigures();
        PhaseFigures integration = cocomo->GetPhaseFigures(cCocomoDoc::Phase::IntegrationAndTest);
        figures.productDesignEffort = design.effort.value;
        figures.productDesignTdev = design.schedule.value;
        figures.programmingEffort =
            programming.detailedDesign.value + programming.codeAndUnitTest.value;
        figures.programmingTdev = programming.schedule.value;
        figures.integrationEffort = integration.effort.value;
        figures.integrationTdev = integration.schedule.value;
    }
    if (const cRayleighDoc* rayleigh = project.GetRayleighModel()) {
        figures.mbi = rayleigh->ManpowerBuildupIndex();
    }
    return figures;
}

}  // namespace korval
