#include "cli/FiguresJson.h"
#include "system/cSystemDoc.h"

namespace korval {

// Filled in when the model is built; null leaves the object out.
Json SystemFigures(cSystemDoc&) { return Json(); }

}  // namespace korval
