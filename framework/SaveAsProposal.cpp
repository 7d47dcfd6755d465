#include "framework/SaveAsProposal.h"

#include "framework/TextUtil.h"
#include "framework/cModelDoc.h"

namespace korval {

std::string ProposedFileName(const cModelDoc& document) {
    const std::string& title = document.GetTitle();
    std::string name = Trim(title.empty() ? document.GetDocumentTitle() : title);
    // A title may hold what no file name can.
    for (char& c : name) {
        if (c == '/' || c == '\\' || static_cast<unsigned char>(c) < ' ') c = '_';
    }
    if (name.empty() || name == "." || name == "..")
        name = std::string(document.KindInfo().documentName);
    return name + document.Context().extensions[static_cast<int>(document.Kind())];
}

}  // namespace korval
