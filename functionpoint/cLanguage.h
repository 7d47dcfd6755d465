#pragma once

#include <string>

namespace korval {

// A programming language and its source lines of code per function point.
class cLanguage {
  public:
    cLanguage() = default;
    cLanguage(std::string name, int multiplier);

    const std::string& GetName() const { return name_; }
    int GetMultiplier() const { return multiplier_; }
    void SetName(std::string name) { name_ = std::move(name); }
    // A negative multiplier is ignored.
    void SetMultiplier(int multiplier);

    bool operator==(const cLanguage&) const = default;

  private:
    std::string name_ = "None";
    int multiplier_ = 0;
};

}  // namespace korval
