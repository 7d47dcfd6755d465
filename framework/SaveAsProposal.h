#pragma once

#include <string>

namespace korval {

class cModelDoc;

// The name Save As proposes for a document never saved: its title (the description's,
// else the window's) with the kind's extension, made fit for a file name.
std::string ProposedFileName(const cModelDoc& document);

}  // namespace korval
