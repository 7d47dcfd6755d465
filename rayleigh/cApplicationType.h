#pragma once

#include <optional>
#include <string>

#include "rayleigh/cProductivity.h"

namespace korval {

// A named class of software with its typical productivity and the standard deviation of
// its productivity index. User-defined types have a productivity the user may change.
class cApplicationType {
  public:
    static constexpr std::size_t kNameLimit = 50;
    static constexpr int kMaxStandardDeviation = 40;

    // The intermediate state of a copy: "User defined system", PI 0, deviation 0.
    cApplicationType();
    cApplicationType(std::string name, const cProductivity& productivity, int standardDeviation,
                     bool userDefined);

    const std::string& Name() const { return name_; }
    const cProductivity& Productivity() const { return productivity_; }
    cProductivity& Productivity() { return productivity_; }
    int StandardDeviation() const { return standardDeviation_; }
    bool IsUserDefined() const { return userDefined_; }
    // The buildup level (0..6) the type's projects achieved, when calibration gave one; a
    // model of the type plans for it unless the model names its own.
    std::optional<int> TypicalBuildupLevel() const { return typicalBuildupLevel_; }
    void SetTypicalBuildupLevel(std::optional<int> level) { typicalBuildupLevel_ = level; }

    void SetName(std::string name) { name_ = std::move(name); }
    void SetProductivity(const cProductivity& productivity) { productivity_ = productivity; }
    void SetStandardDeviation(int deviation) { standardDeviation_ = deviation; }
    void SetUserDefined(bool userDefined) { userDefined_ = userDefined; }

  private:
    std::string name_;
    cProductivity productivity_;
    int standardDeviation_ = 0;
    bool userDefined_ = true;
    std::optional<int> typicalBuildupLevel_;
};

}  // namespace korval
