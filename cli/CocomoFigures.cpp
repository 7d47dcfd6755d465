#include "cli/FiguresJson.h"
#include "cocomo/cCocomoDoc.h"

namespace korval {

// Filled in when the model is built; null leaves the object out.
Json CocomoFigures(cCocomoDoc&) { return Json(); }

}  // namespace korval
