#include "cocomo/CocomoUncertainty.h"

#include <algorithm>

#include "cocomo/CocomoTables.h"
#include "framework/ProfileAccess.h"
#include "framework/TextUtil.h"

namespace korval {

namespace {

constexpr const char* kSection = kCocomoUncertaintySection;
constexpr std::size_t kTokenBuffer = 10;

std::optional<int> ParseRating(std::string_view text) {
    for (int rating = kVeryLow; rating < kRatingCount; ++rating) {
        if (EqualsNoCase(text, RatingKeyPart(rating))) return rating;
    }
    return std::nullopt;
}

std::optional<RatingRange> ReadRatingRange(std::size_t index, const std::string& path) {
    int number = static_cast<int>(index);
    std::optional<int> lowest = ParseRating(ReadProfileValue(
        kSection, ProfileKey("Driver_Lowest").Number(number), "", kTokenBuffer, path));
    std::optional<int> highest = ParseRating(ReadProfileValue(
        kSection, ProfileKey("Driver_Highest").Number(number), "", kTokenBuffer, path));
    if (!lowest || !highest || *lowest > *highest) return std::nullopt;
    return RatingRange{*lowest, *highest};
}

}  // namespace

bool CocomoUncertainty::IsNone() const {
    return !size && modelErrorSpread == 0 && run == SimulationSettings{} &&
           std::none_of(driverRanges.begin(), driverRanges.end(),
                        [](const std::optional<RatingRange>& range) { return range.has_value(); });
}

CocomoUncertainty ReadCocomoUncertainty(const std::string& path, std::size_t driverCount) {
    CocomoUncertainty uncertainty;
    uncertainty.run = ReadSimulationSettings(kSection, path);
    uncertainty.size = ReadThreePoint(kSection, "SLOC", path, kLargestFieldValue);
    uncertainty.driverRanges.resize(driverCount);
    for (std::size_t i = 0; i < driverCount; ++i)
        uncertainty.driverRanges[i] = ReadRatingRange(i, path);
    std::optional<double> spread = ReadNonNegative(kSection, "Model_Error_Spread", path);
    if (spread && *spread <= kMaxModelErrorSpread) uncertainty.modelErrorSpread = *spread;
    return uncertainty;
}

bool WriteCocomoUncertainty(const CocomoUncertainty& uncertainty, const std::string& path) {
    if (uncertainty.IsNone() && !HasSimulationSection(kSection, path)) return true;
    if (!WriteSimulationSettings(kSection, uncertainty.run, path) ||
        !WriteThreePoint(kSection, "SLOC", uncertainty.size, path) ||
        !WriteOptionalNumber(kSection, "Model_Error_Spread",
                             uncertainty.modelErrorSpread > 0
                                 ? std::optional<double>(uncertainty.modelErrorSpread)
                                 : std::nullopt,
                             path)) {
        return false;
    }
    for (std::size_t i = 0; i < uncertainty.driverRanges.size(); ++i) {
        const std::optional<RatingRange>& range = uncertainty.driverRanges[i];
        int number = static_cast<int>(i);
        std::string lowest = range ? std::string(RatingKeyPart(range->lowest)) : std::string();
        std::string highest = range ? std::string(RatingKeyPart(range->highest)) : std::string();
        if (!WriteOptionalValue(kSection, ProfileKey("Driver_Lowest").Number(number), lowest,
                                path) ||
            !WriteOptionalValue(kSection, ProfileKey("Driver_Highest").Number(number), highest,
                                path)) {
            return false;
        }
    }
    return true;
}

}  // namespace korval
