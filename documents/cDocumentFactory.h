#pragma once

#include <memory>

#include "framework/cModelDoc.h"

namespace korval {

// Creates a document of a kind, reset to its defaults. The one place that knows the
// class of every kind: the programs hand it to cEstimatorAppLogic, which opens and
// creates documents without knowing any model.
std::unique_ptr<cModelDoc> CreateDocument(DocumentKind kind, cAppContext& context);

}  // namespace korval
