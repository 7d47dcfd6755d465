#include "cli/FiguresJson.h"
#include "rayleigh/cRayleighDoc.h"

namespace korval {

// Filled in when the model is built; null leaves the object out.
Json RayleighFigures(cRayleighDoc&) { return Json(); }

}  // namespace korval
