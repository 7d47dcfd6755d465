#include "system/cSystemProjectDoc.h"

#include "cocomo/cCocomoDoc.h"
#include "framework/cProfileStore.h"
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
    bool loaded = cProjectDoc::LoadModel(resolved);
    // A member is read once and never saved: a system of hundreds of members need not keep
    // their files in memory.
    cProfileStore::Instance().Forget(resolved);
    return loaded;
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
