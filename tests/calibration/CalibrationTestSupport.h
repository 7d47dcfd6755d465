#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "calibration/Calibration.h"
#include "calibration/CalibrationBaseline.h"
#include "calibration/cHistoryReader.h"
#include "framework/NumberText.h"
#include "framework/cAppContext.h"
#include "tests/support/TempDir.h"
#include "tests/support/cScriptedPlatform.h"

namespace korval::testing {

// Histories over the bundled defaults profile, read from text or from files in a scratch
// folder.
class CalibrationTest : public ::testing::Test {
  protected:
    TempDir dir;
    cScriptedPlatform platform;
    cAppContext context{platform, KORVAL_DEFAULTS_PROFILE};
    CalibrationBaseline baseline = ReadCalibrationBaseline(context);

    History ReadText(const std::string& text) {
        cHistoryReader reader(baseline.vocabulary);
        return reader.ReadText(text, "history.csv");
    }

    std::string WriteHistory(const std::string& name, const std::string& text) {
        std::string path = dir.File(name);
        TempDir::WriteFile(path, text);
        return path;
    }
};

// A repeatable noise factor e^u with u spread evenly over -spread .. spread.
class NoiseSource {
  public:
    explicit NoiseSource(double spread) : spread_(spread) {}
    double Next() {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        double unit = static_cast<double>(state_ >> 11) / 9007199254740992.0;
        return std::exp(spread_ * (2 * unit - 1));
    }

  private:
    double spread_;
    std::uint64_t state_ = 42;
};

}  // namespace korval::testing
