#pragma once

#include <array>
#include <string>

#include "calibration/HistoryVocabulary.h"
#include "cocomo/CocomoTables.h"
#include "framework/cAppContext.h"
#include "functionpoint/cLanguageTable.h"
#include "rayleigh/cApplicationTypeList.h"

namespace korval {

// What the profile in use holds of what calibration fits: the mode constants, the cost
// driver ratings, the application types and the language table, read as new documents
// read them, and the main build share of the schedule new Rayleigh documents start with.
struct CalibrationBaseline {
    std::string profilePath;
    std::array<ModeConstants, kDevelopmentModeCount> modes{};
    HistoryVocabulary vocabulary;
    cApplicationTypeList applicationTypes;
    cLanguageTable languages;
    int buildPercentage = 0;
};

// The baseline of the context's defaults profile; the profile's problems go to the
// context's platform, as when a document reads them.
CalibrationBaseline ReadCalibrationBaseline(cAppContext& context);

}  // namespace korval
