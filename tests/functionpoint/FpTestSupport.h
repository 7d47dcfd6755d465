#pragma once

#include <array>
#include <string>

#include "framework/cAppContext.h"
#include "functionpoint/cFunctionPointDoc.h"
#include "tests/support/TempDir.h"
#include "tests/support/cScriptedPlatform.h"

namespace korval::testing {

// A small defaults profile: the standard weights (by their built-in values) and three
// languages.
inline constexpr const char* kSmallProfile =
    "[Filter_Values]\r\nDescription=ON\r\nTotals=ON\r\nIntermediate_Totals=ON\r\n"
    "SensitivityAnalysis=OFF\r\nPhaseDistribution=OFF\r\n"
    "[Languages]\r\nLanguageName00=Ada "
    "95\r\nLanguageMult00=49\r\nLanguageName01=C\r\nLanguageMult01=128\r\n"
    "LanguageName02=Java\r\nLanguageMult02=53\r\n";

// Every test gets its own folder, defaults profile and scripted platform.
class FpFixture {
  public:
    TempDir dir;
    cScriptedPlatform platform;
    cAppContext context{platform, dir.File("korval.ini")};

    explicit FpFixture(const std::string& profile = kSmallProfile) { WriteProfile(profile); }
    void WriteProfile(const std::string& content) const {
        TempDir::WriteFile(context.defaultsProfilePath, content);
    }
};

// Counts in cell order (External Input Low, Average, High, External Output ...).
inline void SetCounts(cFunctionPointDoc& doc, const std::array<int, kFunctionCellCount>& counts) {
    for (int cell = 0; cell < kFunctionCellCount; ++cell) doc.SetCount(cell, counts[cell]);
}

// Ratings whose sum gives the value adjustment factor 0.65 + sum / 100.
inline void SetRatingSum(cFunctionPointDoc& doc, int sum) {
    for (int i = 0; i < kSystemCharacteristicCount; ++i) {
        int rating = sum > 5 ? 5 : sum;
        doc.SetRating(i, rating);
        sum -= rating;
    }
}

}  // namespace korval::testing
