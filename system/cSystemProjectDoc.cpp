#include "system/cSystemProjectDoc.h"

#include "cocomo/cCocomoDoc.h"
#include "framework/cReadOnlyProfileScope.h"
#include "functionpoint/cFunctionPointDoc.h"
#include "rayleigh/cRayleighDoc.h"

namespace korval {

cSystemProjectDoc::cSystemProjectDoc(cAppContext& context) : cProjectDoc(context) {}

bool cSystemProjectDoc::LoadModel(const std::string& path) {
    fileName_ = path;
    found_ = false;
    bool relative = !path.empty() && path[0] != '/' && path[0] != '\\';
    std::string resolved = relative && !baseFolder_.empty() ? baseFolder_ + "/" + path : path;
    if (!Platform().FileExists(resolved)) return false;
    found_ = true;
    // A member is read once and never saved: it is read through a view of its bytes, and
    // a system of hundreds of members keeps none of their files in memory.
    cReadOnlyProfileScope view(resolved);
    return cProjectDoc::LoadModel(resolved);
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
