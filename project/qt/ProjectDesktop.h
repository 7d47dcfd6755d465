#pragma once

namespace korval {

// Makes the project menu (import, export, the sensitivity source), the model menus a
// project forwards to its embedded models and Options Languages known to the desktop.
// The model dialogs' forms come from the model folders. Called once at start-up;
// calling it again changes nothing.
void RegisterProjectDesktop();

}  // namespace korval
