#pragma once

namespace korval {

// Makes the shell's dialog forms (Description, Display Options, ToolBar Configuration,
// New, About) and the commands every document kind shares known to the desktop. Called
// once at start-up, like the model folders' registrations; calling it again changes
// nothing.
void RegisterAppDesktop();

}  // namespace korval
