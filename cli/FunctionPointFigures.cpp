#include "cli/FiguresJson.h"
#include "functionpoint/cFunctionPointDoc.h"

namespace korval {

// Filled in when the model is built; null leaves the object out.
Json FunctionPointFigures(cFunctionPointDoc&) { return Json(); }

}  // namespace korval
