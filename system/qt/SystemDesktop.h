#pragma once

namespace korval {

// Makes the system dialogs' forms and the System menu commands known to the desktop.
// Called once at start-up; calling it again changes nothing.
void RegisterSystemDesktop();

}  // namespace korval
