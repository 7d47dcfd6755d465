#pragma once

namespace korval {

// Makes the function point dialogs' forms, the FunctionPoint menu commands and Options
// Languages (on a function point document and with no document open) known to the
// desktop. Called once at start-up; calling it again changes nothing.
void RegisterFunctionPointDesktop();

}  // namespace korval
