#pragma once

#include <string>

namespace korval {

// Where a file dialog starts: the folder of the initial name when it names one (a saved
// document's own file), else the folder last used in a file dialog, keeping the initial
// file name or pattern ("*.PRJ", a proposed "Order entry.CCM").
std::string FileDialogStartPath(const std::string& initial, const std::string& lastFolder);

// The folder to remember after a file dialog chose path.
std::string FolderToRemember(const std::string& chosenPath);

}  // namespace korval
