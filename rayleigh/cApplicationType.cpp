#include "rayleigh/cApplicationType.h"

namespace korval {

cApplicationType::cApplicationType() : name_("User defined system") {}

cApplicationType::cApplicationType(std::string name, const cProductivity& productivity,
                                   int standardDeviation, bool userDefined)
    : name_(std::move(name)),
      productivity_(productivity),
      standardDeviation_(standardDeviation),
      userDefined_(userDefined) {}

}  // namespace korval
