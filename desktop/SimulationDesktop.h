#pragma once

namespace korval {

// The Uncertainty command of every kind (and of the model menus a project forwards), over
// the simulation's EditUncertainty: the one folder that sees every kind registers them.
void RegisterSimulationDesktop();

}  // namespace korval
