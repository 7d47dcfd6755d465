#pragma once

#include <memory>

#include "framework/cDocumentKind.h"

namespace korval {

struct cAppContext;
class cModelDoc;

// Creates a document of a kind, reset to its defaults.
std::unique_ptr<cModelDoc> CreateDocument(DocumentKind kind, cAppContext& context);

}  // namespace korval
