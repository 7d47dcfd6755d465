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
    if (!context_.platform.FileExists(resolved)) {
        project_ = projects.Missing();
        return false;
    }
    found_ = true;
    project_ = projects.Read(resolved);
    return true;
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
    MemberFigures figures;
    if (const cFunctionPointDoc* fp = GetFunctionPointModel()) {
        figures.adjustedFunctionPoints = fp->AdjustedFunctionPoints();
        figures.sourceLines = fp->SourceLinesOfCode();
    }
    if (const cCocomoDoc* cocomo = GetCocomoModel()) {
        PhaseFigures design = cocomo->GetPhaseFigures(0);
        PhaseFigures programming = cocomo->GetProgrammingPhaseFigures();
        PhaseFigures integration = cocomo->GetPhaseFigures(1);
        figures.productDesignEffort = design[PhaseFigures::kEffort];
        figures.productDesignTdev = design[PhaseFigures::kSchedule];
        figures.programmingEffort = programming[PhaseFigures::kDetailedDesign] +
                                    programming[PhaseFigures::kCodeAndUnitTest];
        figures.programmingTdev = programming[PhaseFigures::kSchedule];
        figures.integrationEffort = integration[PhaseFigures::kEffort];
        figures.integrationTdev = integration[PhaseFigures::kSchedule];
    }
    if (const cRayleighDoc* rayleigh = GetRayleighModel()) {
        double low = 0;
        double high = 0;
        figures.mbi = rayleigh->ManpowerBuildupIndex(low, high);
    }
    return figures;
}

}  // namespace korval
