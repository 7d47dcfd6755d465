#include "functionpoint/cLanguage.h"

namespace korval {

cLanguage::cLanguage(std::string name, int multiplier) : name_(std::move(name)) {
    SetMultiplier(multiplier);
}

void cLanguage::SetMultiplier(int multiplier) {
    if (multiplier >= 0) multiplier_ = multiplier;
}

}  // namespace korval
