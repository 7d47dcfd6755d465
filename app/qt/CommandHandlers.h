#pragma once

#include "app/qt/cDocumentCommands.h"
#include "framework/cModelDoc.h"

// Handlers for cDocumentCommands made from the operations of a document class, so the
// folders register their menu commands in one line each:
//
//     cDocumentCommands::Register(DocumentKind::Cocomo, commands::kCocomoAttributes,
//                                 DocumentCommand<cCocomoDoc, &cCocomoDoc::OnAttributes>());
namespace korval {

// Runs the operation (its result, if any, is not needed: the document has already told
// the user and redrawn its views). The command is registered for the document's kind
// only, so the document is of that class.
template <class Document, auto Operation>
cDocumentCommands::Handler DocumentCommand() {
    return {[](cModelDoc& document) { (static_cast<Document&>(document).*Operation)(); }, {}, {}};
}

}  // namespace korval
