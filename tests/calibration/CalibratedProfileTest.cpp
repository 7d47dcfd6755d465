#include "calibration/CalibratedProfile.h"
#include "rayleigh/PutnamPlan.h"
#include "rayleigh/RayleighFormulas.h"
#include "rayleigh/cRayleighDoc.h"
#include "tests/calibration/CalibrationTestSupport.h"

namespace korval::testing {
namespace {

class CalibratedProfileTest : public CalibrationTest {
  protected:
    std::string history =
        "name,sloc,effort_pm,duration_months,mode,application_type,language,function_points\n"
        "a,12000,40,11,organic,Scientific,Java,240\n"
        "b,22000,80,14,organic,Scientific,Java,440\n"
        "c,31000,120,15,organic,Scientific,Java,620\n"
        "d,45000,190,18,organic,Weather,Julia,900\n"
        "e,60000,260,21,organic,Weather,Julia,1150\n"
        "f,8000,25,9,organic,Weather,Julia,170\n";

    CalibrationBaseline ReadBack(const std::string& path) {
        cAppContext other{platform, path};
        return ReadCalibrationBaseline(other);
    }
};

TEST_F(CalibratedProfileTest, ReadBackGivesTheFittedValues) {
    Calibration result = Calibrate(ReadText(history), baseline);
    std::vector<CalibrationItem> items = CalibrationItems(result);
    ASSERT_EQ(items.size(), 5u);                              // organic, two types, two languages
    for (CalibrationItem& item : items) item.applied = true;  // every value, to read back
    std::string out = dir.File("calibrated.ini");
    ProfileWriteOutcome outcome = WriteCalibratedProfile(result, items, out);
    ASSERT_TRUE(outcome.ok) << outcome.message;

    CalibrationBaseline calibrated = ReadBack(out);
    const CocomoModeFit& organic = result.cocomo.modes[0];
    EXPECT_DOUBLE_EQ(calibrated.modes[0].a, organic.calibrated.a);
    EXPECT_NEAR(calibrated.modes[0].a, *organic.aWithFixedB, 0.0005);
    EXPECT_DOUBLE_EQ(calibrated.modes[0].b, 1.05);
    EXPECT_DOUBLE_EQ(calibrated.modes[1].a, baseline.modes[1].a);  // not fitted: as it was
    EXPECT_DOUBLE_EQ(calibrated.modes[0].tm, baseline.modes[0].tm);

    for (const ApplicationTypeFit& fit : result.putnam.types) {
        int index = calibrated.applicationTypes.FindApplicationType(fit.name);
        ASSERT_GE(index, 0) << fit.name;
        const cApplicationType* type = calibrated.applicationTypes.At(index);
        EXPECT_TRUE(type->Productivity().IsFromMeasure());
        EXPECT_DOUBLE_EQ(type->Productivity().Measure(), *fit.fittedMeasure);
        EXPECT_DOUBLE_EQ(type->Productivity().Index(), *fit.fittedIndex);
        EXPECT_EQ(type->StandardDeviation(), *fit.fittedDeviation);
        // The level the type's projects achieved: each project's MBI at its own schedule.
        ASSERT_TRUE(fit.fittedBuildupLevel) << fit.name;
        EXPECT_EQ(type->TypicalBuildupLevel(), fit.fittedBuildupLevel) << fit.name;
        EXPECT_EQ(*fit.fittedBuildupLevel, ClampBuildupLevel(RoundToInt(fit.meanMbi)));
    }
    // A model of a calibrated type plans for its level unless it names its own.
    cAppContext calibratedContext{platform, out};
    cRayleighDoc model(calibratedContext);
    model.SetSelectedApplication(
        calibrated.applicationTypes.FindApplicationType(result.putnam.types[0].name));
    EXPECT_EQ(model.DefaultBuildupLevel(), *result.putnam.types[0].fittedBuildupLevel);
    // The new type comes after the profile's twelve.
    EXPECT_EQ(calibrated.applicationTypes.Count(), baseline.applicationTypes.Count() + 1);
    for (const LanguageFit& fit : result.functionPoints.languages) {
        int index = calibrated.languages.FindLanguage(fit.name);
        ASSERT_GT(index, 0) << fit.name;
        EXPECT_EQ(calibrated.languages.At(index).GetMultiplier(), *fit.fitted);
    }
    EXPECT_EQ(platform.Messages().size(), 0u);
}

// A fit is ticked only where, each project estimated by a fit made without it, it beats the
// profile; an untouched item says why. Here the organic a (3.18 against the profile's 3.2)
// estimates its projects no better.
TEST_F(CalibratedProfileTest, AFitIsTickedOnlyWhereItPredictsBetterThanTheProfile) {
    Calibration result = Calibrate(ReadText(history), baseline);
    for (const CalibrationItem& item : CalibrationItems(result)) {
        std::vector<EstimatePoint> points;
        const std::vector<EstimatePoint>& all = item.kind == CalibrationItem::Kind::ModeConstants
                                                    ? result.cocomo.points
                                                    : result.putnam.points;
        if (item.kind == CalibrationItem::Kind::Language) {
            EXPECT_TRUE(item.applied) << item.label;
            continue;
        }
        for (const EstimatePoint& point : all) {
            const HistoryProject& project = result.history.projects[point.project];
            if (item.kind == CalibrationItem::Kind::ModeConstants ||
                project.applicationType == result.putnam.types[item.fit].name)
                points.push_back(point);
        }
        ModelAccuracy accuracy = AccuracyOf(points);
        bool better = points.size() < 2 || accuracy.leaveOneOut.mmre < accuracy.current.mmre;
        EXPECT_EQ(item.applied, better) << item.label;  // a new type has nothing to beat
        EXPECT_EQ(item.label.find("is kept") != std::string::npos, !item.applied) << item.label;
    }
}

TEST_F(CalibratedProfileTest, OnlyTickedValuesAreTakenAndTheProfileInUseIsNeverWritten) {
    Calibration result = Calibrate(ReadText(history), baseline);
    std::vector<CalibrationItem> items = CalibrationItems(result);
    for (CalibrationItem& item : items) item.applied = item.kind == CalibrationItem::Kind::Language;
    std::string out = dir.File("languages-only.ini");
    ASSERT_TRUE(WriteCalibratedProfile(result, items, out).ok);
    CalibrationBaseline calibrated = ReadBack(out);
    EXPECT_DOUBLE_EQ(calibrated.modes[0].a, baseline.modes[0].a);
    EXPECT_EQ(calibrated.applicationTypes.Count(), baseline.applicationTypes.Count());
    EXPECT_EQ(calibrated.languages.At(calibrated.languages.FindLanguage("Java")).GetMultiplier(),
              50);

    std::string before = TempDir::ReadFile(KORVAL_DEFAULTS_PROFILE);
    ProfileWriteOutcome over = WriteCalibratedProfile(result, items, KORVAL_DEFAULTS_PROFILE);
    EXPECT_FALSE(over.ok);
    EXPECT_NE(over.message.find("profile in use"), std::string::npos);
    EXPECT_EQ(TempDir::ReadFile(KORVAL_DEFAULTS_PROFILE), before);
}

}  // namespace
}  // namespace korval::testing
