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
    // A path written on Windows may start with a backslash: it is not relative either.
    bool relative = !path.empty() && path[0] != '/' && path[0] != '\\';
    std::string resolved = relative && !baseFolder_.empty() ? (baseFolder_ / path).string() : path;
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
    if (const cRayleighDoc* rayleigh = GetRayleighModel()) {
        figures.mbi = rayleigh->ManpowerBuildupIndex();
    }
    return figures;
}

}  // namespace korval
