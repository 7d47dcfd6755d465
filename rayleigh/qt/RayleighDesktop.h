#pragma once

namespace korval {

// Makes the Rayleigh dialogs' forms and the Rayleigh menu commands known to the desktop.
// Called once at start-up; calling it again changes nothing.
void RegisterRayleighDesktop();

}  // namespace korval
