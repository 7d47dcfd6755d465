#include "simulation/cProjectTrialModel.h"

#include "cocomo/cCocomoDoc.h"
#include "functionpoint/cFunctionPointDoc.h"
#include "project/cProjectDoc.h"
#include "rayleigh/cRayleighDoc.h"

namespace korval {

namespace {

using SensitivitySource = cProjectDoc::SensitivitySource;

// Only the source's size varies in a project; the other models' size settings stay aside.
template <class Uncertainty>
Uncertainty WithoutSize(Uncertainty uncertainty) {
    uncertainty.size.reset();
    return uncertainty;
}

FunctionPointUncertainty FunctionPointInputs(const cProjectDoc& project) {
    if (project.GetSensitivitySource() == SensitivitySource::FunctionPoint)
        return project.GetFunctionPointModel()->GetUncertainty();
    return {};
}

CocomoUncertainty CocomoInputs(const cProjectDoc& project) {
    const CocomoUncertainty& own = project.GetCocomoModel()->GetUncertainty();
    return project.GetSensitivitySource() == SensitivitySource::Cocomo ? own : WithoutSize(own);
}

RayleighUncertainty RayleighInputs(const cProjectDoc& project) {
    RayleighUncertainty own = project.GetRayleighModel()->GetUncertainty();
    if (project.GetSensitivitySource() == SensitivitySource::Rayleigh) return own;
    own.timeToDevelop.reset();
    return WithoutSize(own);
}

}  // namespace

MemberFigures ProjectTrial::AsMember() const {
    MemberFigures figures;
    figures.adjustedFunctionPoints = functionPoint.adjustedFunctionPoints;
    figures.sourceLines = functionPoint.sourceLines;
    figures.productDesignEffort = cocomo.productDesignEffort;
    figures.productDesignTdev = cocomo.productDesignTdev;
    figures.programmingEffort = cocomo.programmingEffort;
    figures.programmingTdev = cocomo.programmingTdev;
    figures.integrationEffort = cocomo.integrationEffort;
    figures.integrationTdev = cocomo.integrationTdev;
    figures.mbi = rayleigh.mbi;
    return figures;
}

cProjectTrialModel::cProjectTrialModel(const cProjectDoc& project, ThreePointShape shape,
                                       cSamplerFactory& samplers)
    : source_(project.GetSensitivitySource() == SensitivitySource::Cocomo ? Source::Cocomo
              : project.GetSensitivitySource() == SensitivitySource::Rayleigh
                  ? Source::Rayleigh
                  : Source::FunctionPoint),
      functionPoint_(*project.GetFunctionPointModel(), FunctionPointInputs(project), shape,
                     samplers),
      cocomo_(*project.GetCocomoModel(), CocomoInputs(project), shape, samplers),
      rayleigh_(*project.GetRayleighModel(), RayleighInputs(project), shape, samplers) {}

ProjectTrial cProjectTrialModel::Run(cTrialDraws& draws) const {
    ProjectTrial trial;
    trial.functionPoint = functionPoint_.Run(draws);
    // A size that does not vary stays as the models hold it, to the last bit.
    std::optional<double> flowingSize;
    if (source_ == Source::FunctionPoint && functionPoint_.IsUncertain())
        flowingSize = trial.functionPoint.sourceLines;
    // One size in every model of a trial: a Rayleigh size range reaches COCOMO too.
    if (source_ == Source::Rayleigh && rayleigh_.HasUncertainSize())
        flowingSize = rayleigh_.DrawSize(draws);
    trial.cocomo = cocomo_.Run(draws, flowingSize);
    if (source_ == Source::Cocomo && cocomo_.HasUncertainSize())
        flowingSize = trial.cocomo.sourceLines;
    std::optional<double> schedule;
    if (!(source_ == Source::Rayleigh && rayleigh_.HasUncertainSchedule()))
        schedule = trial.cocomo.timeToDevelop;
    trial.rayleigh = rayleigh_.Run(draws, flowingSize, schedule);
    return trial;
}

}  // namespace korval
