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
        project_ = projects.Missing();
        figures_ = projects.MissingFigures();
        return false;
    }
    found_ = true;
    project_ = projects.Read(resolved);
    stamp_ = projects.StampOf(resolved);
    figures_ = projects.FiguresOf(resolved);
    return true;
}

bool cSystemProjectDoc::HasChangedOnDisk() const {
    return !resolvedPath_.empty() && StampOfFile(resolvedPath_) != stamp_;
}

const std::string& cSystemProjectDoc::GetTitle() const {
    return project_ ? project_->GetTitle() : kNoText;
}

const std::string& cSystemProjectDoc::GetPreparedBy() const {
    return project_ ? project_->GetPreparedBy() : kNoText;
}

const std::string& cSystemProjectDoc::GetDescription() const {
    return project_ ? project_->GetDescription() : kNoText;
}

const cFunctionPointDoc* cSystemProjectDoc::GetFunctionPointModel() const {
    return project_ ? project_->GetFunctionPointModel() : nullptr;
}

const cCocomoDoc* cSystemProjectDoc::GetCocomoModel() const {
    return project_ ? project_->GetCocomoModel() : nullptr;
}

const cRayleighDoc* cSystemProjectDoc::GetRayleighModel() const {
    return project_ ? project_->GetRayleighModel() : nullptr;
}

MemberFigures cSystemProjectDoc::Figures() const {
    return figures_;
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
