#include "cli/FiguresJson.h"
#include "project/cProjectDoc.h"

namespace korval {

// Filled in when the model is built; null leaves the object out.
Json ProjectFigures(cProjectDoc&) { return Json(); }

}  // namespace korval
