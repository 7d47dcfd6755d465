#pragma once

namespace korval {

// Makes the COCOMO dialogs' forms and the COCOMO menu commands known to the desktop.
// Called once at start-up (a registration from a static object would be lost when the
// linker leaves out an object file nothing refers to); calling it again changes nothing.
void RegisterCocomoDesktop();

}  // namespace korval
