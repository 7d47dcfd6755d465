#include "calibration/LeastSquares.h"
#include "calibration/Statistics.h"
#include "tests/calibration/CalibrationTestSupport.h"

namespace korval::testing {
namespace {

struct ModeTruth {
    const char* name;
    double a;
    double b;
    int count;
};

// A history whose efforts follow a x KSLOC^b x EAF for each mode, times the noise; every
// project also achieves the PI of its type over its duration and gives function points.
std::string SyntheticHistory(const std::vector<ModeTruth>& modes, double noiseSpread,
                             bool withModeColumn = true) {
    NoiseSource noise(noiseSpread);
    std::string text = withModeColumn ? "name,ksloc,effort_pm,duration_months,mode,eaf,"
                                        "application_type,language,function_points\n"
                                      : "name,ksloc,effort_pm,duration_months,eaf\n";
    int number = 0;
    for (const ModeTruth& mode : modes) {
        for (int i = 0; i < mode.count; ++i, ++number) {
            double ksloc = 4.0 * std::pow(1.35, i % 15) * (1 + 0.01 * number);
            double eaf = 0.8 + 0.05 * (number % 9);
            double effort = mode.a * std::pow(ksloc, mode.b) * eaf * noise.Next();
            double duration = 2.5 * std::pow(effort, 0.35);
            std::string row = FormatNumber("p%d,%.6f,%.6f,%.6f,", number, ksloc, effort, duration);
            if (withModeColumn) row += std::string(mode.name) + ",";
            row += FormatNumber("%.6f", eaf);
            if (withModeColumn) {
                row += FormatNumber(",Scientific,Java,%.6f", ksloc * 1000 / (50 * noise.Next()));
            }
            text += row + "\n";
        }
    }
    return text;
}

using CalibrationFitTest = CalibrationTest;

TEST_F(CalibrationFitTest, ExactHistoryGivesItsConstantsBack) {
    Calibration result = Calibrate(ReadText(SyntheticHistory({{"organic", 2.7, 1.05, 6},
                                                              {"semidetached", 3.6, 1.12, 12},
                                                              {"embedded", 2.8, 1.20, 3}},
                                                             0.0)),
                                   baseline);
    ASSERT_EQ(result.history.problemCount, 0u);
    const auto& modes = result.cocomo.modes;
    ASSERT_EQ(modes.size(), 3u);
    // Organic: a alone, b is the profile's (the truth's) 1.05.
    EXPECT_EQ(modes[0].projects, 6u);
    ASSERT_TRUE(modes[0].aWithFixedB);
    EXPECT_NEAR(*modes[0].aWithFixedB, 2.7, 1e-6);
    EXPECT_FALSE(modes[0].aTogether);
    EXPECT_DOUBLE_EQ(modes[0].calibrated.a, 2.7);
    EXPECT_DOUBLE_EQ(modes[0].calibrated.b, 1.05);
    // Semidetached: a and b together.
    ASSERT_TRUE(modes[1].aTogether && modes[1].bTogether);
    EXPECT_NEAR(*modes[1].aTogether, 3.6, 1e-6);
    EXPECT_NEAR(*modes[1].bTogether, 1.12, 1e-6);
    // Embedded: three projects are too few; the profile's constants stay and it says so.
    EXPECT_FALSE(modes[2].HasFit());
    EXPECT_DOUBLE_EQ(modes[2].calibrated.a, baseline.modes[2].a);
    ASSERT_FALSE(modes[2].notes.empty());
    EXPECT_NE(modes[2].notes[0].find("3 projects"), std::string::npos);
    // Exact data: the calibrated equations hit every fitted project.
    EXPECT_LT(result.cocomo.accuracy.calibrated.mmre, 1e-3);
    EXPECT_GT(result.cocomo.accuracy.current.mmre, 0.05);
}

TEST_F(CalibrationFitTest, NoisyHistoryGivesItsConstantsBackClosely) {
    Calibration result =
        Calibrate(ReadText(SyntheticHistory(
                      {{"organic", 2.7, 1.05, 120}, {"embedded", 3.3, 1.25, 150}}, 0.3)),
                  baseline);
    const auto& modes = result.cocomo.modes;
    ASSERT_TRUE(modes[0].aTogether && modes[2].aTogether);
    EXPECT_NEAR(*modes[0].aTogether, 2.7, 0.2);
    EXPECT_NEAR(*modes[0].bTogether, 1.05, 0.04);
    EXPECT_NEAR(*modes[2].aTogether, 3.3, 0.25);
    EXPECT_NEAR(*modes[2].bTogether, 1.25, 0.04);
    EXPECT_EQ(modes[1].projects, 0u);
    // Leave-one-out judges each project by a fit without it: worse than in-sample, not equal.
    const ModelAccuracy& accuracy = result.cocomo.accuracy;
    EXPECT_EQ(accuracy.leaveOneOut.projects, 270u);
    EXPECT_NE(accuracy.leaveOneOut.mmre, accuracy.calibrated.mmre);
    EXPECT_GT(accuracy.leaveOneOut.mmre, accuracy.calibrated.mmre * 0.99);
    EXPECT_LT(accuracy.calibrated.mmre, accuracy.current.mmre);
}

TEST_F(CalibrationFitTest, WithoutAModeColumnOneEquationIsFittedOverAll) {
    Calibration result =
        Calibrate(ReadText(SyntheticHistory({{"", 3.1, 1.12, 7}}, 0.0, false)), baseline);
    ASSERT_EQ(result.cocomo.modes.size(), 1u);
    const CocomoModeFit& all = result.cocomo.modes[0];
    EXPECT_FALSE(all.mode);
    EXPECT_EQ(ModeFitLabel(all), "All projects");
    EXPECT_EQ(all.projects, 7u);
    ASSERT_TRUE(all.aWithFixedB);
    EXPECT_NEAR(*all.aWithFixedB, 3.1, 1e-6);  // b fixed at the semidetached 1.12
}

TEST_F(CalibrationFitTest, PutnamAchievedIndexRoundTripsToTheActualEffort) {
    Calibration result =
        Calibrate(ReadText(SyntheticHistory({{"organic", 2.7, 1.05, 8}}, 0.2)), baseline);
    ASSERT_EQ(result.putnam.achieved.size(), 8u);
    for (const AchievedProductivity& achieved : result.putnam.achieved) {
        const HistoryProject& project = result.history.projects[achieved.project];
        EXPECT_NEAR(MainBuildEffortMonths(project.sloc, achieved.index, *project.durationMonths,
                                          result.putnam.buildPercentage),
                    project.effortPm, project.effortPm * 1e-9);
    }
    ASSERT_EQ(result.putnam.types.size(), 1u);
    const ApplicationTypeFit& type = result.putnam.types[0];
    EXPECT_EQ(type.name, "Scientific");
    EXPECT_TRUE(type.inProfile);
    EXPECT_EQ(type.projects, 8u);
    ASSERT_TRUE(type.fittedIndex && type.fittedMeasure);
    EXPECT_NEAR(*type.fittedIndex, type.meanIndex, 1e-3);  // the table keeps the mean PI
    EXPECT_GT(type.deviation, 0);
    EXPECT_EQ(result.putnam.points.size(), 8u);
    EXPECT_NE(result.putnam.accuracy.leaveOneOut.mmre, result.putnam.accuracy.calibrated.mmre);
}

TEST_F(CalibrationFitTest, ApplicationTypeAndLanguageNeedThreeProjects) {
    Calibration result = Calibrate(
        ReadText("name,sloc,effort_pm,duration_months,application_type,language,function_points\n"
                 "a,10000,30,10,Radar,Java,200\n"
                 "b,20000,50,12,Radar,Java,400\n"
                 "c,30000,80,14,Avionics,Java,500\n"),
        baseline);
    for (const ApplicationTypeFit& type : result.putnam.types) {
        EXPECT_FALSE(type.fittedIndex) << type.name;
        EXPECT_FALSE(type.notes.empty());
    }
    ASSERT_EQ(result.functionPoints.languages.size(), 1u);
    const LanguageFit& java = result.functionPoints.languages[0];
    EXPECT_EQ(java.projects, 3u);
    EXPECT_DOUBLE_EQ(java.median, 50);  // 50, 50 and 60 SLOC per function point
    EXPECT_EQ(java.fitted, 50);
    EXPECT_EQ(java.current, 53);
}

TEST(LeastSquaresTest, ClosedFormLeaveOneOutMatchesRefittingWithoutThePoint) {
    std::vector<double> x = {0.1, 0.7, 1.3, 2.2, 2.9, 3.1, 4.4, 5.0};
    std::vector<double> y = {1.0, 1.9, 2.1, 3.8, 3.9, 4.6, 5.2, 6.9};
    std::optional<LineFit> line = FitLine(x, y);
    std::optional<LineFit> fixed = FitIntercept(x, y, 0.9);
    ASSERT_TRUE(line && fixed);
    for (std::size_t i = 0; i < x.size(); ++i) {
        std::vector<double> xs = x, ys = y;
        xs.erase(xs.begin() + static_cast<std::ptrdiff_t>(i));
        ys.erase(ys.begin() + static_cast<std::ptrdiff_t>(i));
        std::optional<LineFit> without = FitLine(xs, ys);
        std::optional<LineFit> fixedWithout = FitIntercept(xs, ys, 0.9);
        EXPECT_NEAR(line->leaveOneOut[i], without->intercept + without->slope * x[i], 1e-9);
        EXPECT_NEAR(fixed->leaveOneOut[i], fixedWithout->intercept + 0.9 * x[i], 1e-9);
    }
    EXPECT_FALSE(FitLine(std::vector<double>{2, 2, 2}, std::vector<double>{1, 2, 3}));
}

TEST(AccuracyTest, MeasuresOfKnownErrors) {
    // Relative errors +10 %, -20 %, +50 %, -30 %.
    std::vector<double> actual = {100, 100, 10, 10};
    std::vector<double> estimate = {110, 80, 15, 7};
    Accuracy accuracy = AccuracyOf(actual, estimate);
    EXPECT_EQ(accuracy.projects, 4u);
    EXPECT_NEAR(accuracy.mmre, 0.275, 1e-12);
    EXPECT_NEAR(accuracy.medianMre, 0.25, 1e-12);
    EXPECT_NEAR(accuracy.pred25, 0.5, 1e-12);
    EXPECT_NEAR(accuracy.meanBias, 0.025, 1e-12);
    EXPECT_EQ(Median({3, 1, 2}), 2);
    EXPECT_FALSE(Median({}));
}

}  // namespace
}  // namespace korval::testing
