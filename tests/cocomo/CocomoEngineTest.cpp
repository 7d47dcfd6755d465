#include <cmath>
#include <limits>
#include <optional>
#include <vector>

#include "tests/cocomo/CocomoTestSupport.h"

namespace korval::testing {
namespace {

using Engine = CocomoTest;

RangedFigure Nominal(const cCocomoDoc& d) {
    return d.GetNominalEffortRange();
}
RangedFigure Adjusted(const cCocomoDoc& d) {
    return d.GetAdjustedEffortRange();
}
RangedFigure Time(const cCocomoDoc& d) {
    return d.GetTimeToDevelopRange();
}

std::vector<RangedFigure> Entries(const PhaseFigures& f) {
    return {f.effort, f.schedule, f.detailedDesign, f.codeAndUnitTest, f.staff};
}

void ExpectAllZero(const PhaseFigures& figures) {
    for (const RangedFigure& entry : Entries(figures)) EXPECT_EQ(entry, RangedFigure{});
}

void ExpectAllFinite(const PhaseFigures& figures) {
    for (const RangedFigure& entry : Entries(figures)) {
        EXPECT_TRUE(std::isfinite(entry.value) && std::isfinite(entry.low) &&
                    std::isfinite(entry.high));
    }
}

TEST_F(Engine, NewDocumentHasEveryFigureZero) {
    auto d = NewDocument();
    EXPECT_EQ(d->GetDevelopmentMode(), DevelopmentMode::Semidetached);
    EXPECT_EQ(d->GetModelType(), ModelType::Intermediate);
    EXPECT_EQ(d->GetCostDrivers().size(), 15u);
    EXPECT_DOUBLE_EQ(d->GetEffortAdjustmentFactor(), 1.0);
    for (RangedFigure r : {Nominal(*d), Adjusted(*d), Time(*d)}) {
        EXPECT_EQ(r.value, 0);
        EXPECT_EQ(r.low, 0);
        EXPECT_EQ(r.high, 0);
    }
    ExpectAllZero(d->GetPhaseFigures(cCocomoDoc::Phase::ProductDesign));
    ExpectAllZero(d->GetProgrammingPhaseFigures());
    ExpectAllZero(d->GetPhaseFigures(cCocomoDoc::Phase::IntegrationAndTest));
    EXPECT_EQ(d->GetReportExtentWidth(), 1000);
    EXPECT_EQ(d->GetReportExtentHeight(), 400);
}

TEST_F(Engine, SemidetachedWorkedExample) {
    auto d = Estimate(DevelopmentMode::Semidetached, 32000);
    EXPECT_NEAR(Nominal(*d).value, 145.5, 0.05);
    EXPECT_NEAR(Adjusted(*d).value, 145.5, 0.05);
    EXPECT_NEAR(Time(*d).value, 14.29, 0.005);

    PhaseFigures design = d->GetPhaseFigures(cCocomoDoc::Phase::ProductDesign);
    EXPECT_NEAR(design.effort.value, 24.7, 0.05);
    EXPECT_NEAR(design.schedule.value, 3.71, 0.005);
    EXPECT_NEAR(design.staff.value, 6.66, 0.005);
    EXPECT_EQ(design.detailedDesign.value, 0);
    EXPECT_EQ(design.codeAndUnitTest.value, 0);

    PhaseFigures programming = d->GetProgrammingPhaseFigures();
    EXPECT_EQ(programming.effort.value, 0);
    EXPECT_NEAR(programming.detailedDesign.value, 36.4, 0.05);
    EXPECT_NEAR(programming.codeAndUnitTest.value, 48.0, 0.05);
    EXPECT_NEAR(programming.schedule.value, 6.86, 0.005);
    EXPECT_NEAR(programming.staff.value, 12.31, 0.005);

    PhaseFigures integration = d->GetPhaseFigures(cCocomoDoc::Phase::IntegrationAndTest);
    EXPECT_NEAR(integration.effort.value, 0.25 * Adjusted(*d).value, 1e-9);
    EXPECT_NEAR(integration.schedule.value, 0.26 * Time(*d).value, 1e-9);
}

// The programming phase exposes the interpolated fractions: detailed design effort over
// adjusted effort, programming schedule over time to develop.
struct FractionCase {
    const char* what;
    DevelopmentMode mode;
    double sourceLines;
    double designFraction;
    double scheduleFraction;
};

class Interpolation : public Engine, public ::testing::WithParamInterface<FractionCase> {};

TEST_P(Interpolation, ProgrammingPhaseUsesTheFractionOfTheSize) {
    const FractionCase& c = GetParam();
    auto d = Estimate(c.mode, c.sourceLines);
    PhaseFigures programming = d->GetProgrammingPhaseFigures();
    EXPECT_NEAR(programming.detailedDesign.value / Adjusted(*d).value, c.designFraction, 1e-9)
        << c.what;
    EXPECT_NEAR(programming.schedule.value / Time(*d).value, c.scheduleFraction, 1e-9) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    SizeClasses, Interpolation,
    ::testing::Values(
        FractionCase{"organic 10 KSLOC, g = 2/24", DevelopmentMode::Organic, 10000,
                     0.25 + (0.24 - 0.25) * 2 / 24, 0.59 + (0.55 - 0.59) * 2 / 24},
        FractionCase{"below 2 KSLOC uses S", DevelopmentMode::Organic, 500, 0.26, 0.63},
        FractionCase{"exactly 2 KSLOC uses S", DevelopmentMode::Semidetached, 2000, 0.27, 0.56},
        FractionCase{"exactly 8 KSLOC equals I", DevelopmentMode::Semidetached, 8000, 0.26, 0.52},
        FractionCase{"organic 200 KSLOC uses L", DevelopmentMode::Organic, 200000, 0.23, 0.51},
        FractionCase{"semidetached 200 KSLOC between L and VL", DevelopmentMode::Semidetached,
                     200000, 0.24 - 0.01 * 72.0 / 384, 0.44 - 0.04 * 72.0 / 384},
        FractionCase{"embedded 600 KSLOC uses VL", DevelopmentMode::Embedded, 600000, 0.24, 0.32}));

TEST_F(Engine, OrganicNominalEffortOfTenThousandLines) {
    auto d = Estimate(DevelopmentMode::Organic, 10000);
    EXPECT_NEAR(Nominal(*d).value, 3.2 * std::pow(10, 1.05), 1e-9);
    EXPECT_NEAR(Nominal(*d).value, 35.9, 0.05);
}

TEST_F(Engine, InterpolationBounds) {
    struct Case {
        double sloc, lower, upper;
    };
    for (Case c : {Case{2000, 2, 8}, Case{7999, 2, 8}, Case{8000, 8, 32}, Case{100000, 32, 128},
                   Case{511999, 128, 512}}) {
        auto d = Estimate(DevelopmentMode::Embedded, c.sloc);
        std::optional<RangedFigure> bounds = d->GetInterpolationBounds();
        ASSERT_TRUE(bounds) << c.sloc;
        EXPECT_DOUBLE_EQ(bounds->value, c.sloc / 1000) << c.sloc;
        EXPECT_EQ(bounds->low, c.lower) << c.sloc;
        EXPECT_EQ(bounds->high, c.upper) << c.sloc;
    }
    for (double outside : {1999.0, 512000.0}) {
        auto d = Estimate(DevelopmentMode::Embedded, outside);
        EXPECT_FALSE(d->GetInterpolationBounds()) << outside;
    }
}

TEST_F(Engine, SlocSensitivityVariesTheSize) {
    auto d = Estimate(DevelopmentMode::Organic, 10000);
    d->SetCocomoSensitivity(10, 0, 0, CocomoSensitivityType::Sloc);
    d->SetCostDriverMultiplier(DriverIndex("ACAP", *d), 0.86);
    RangedFigure size = d->GetSourceLinesRange();
    EXPECT_DOUBLE_EQ(size.low, 9000);
    EXPECT_DOUBLE_EQ(size.high, 11000);
    RangedFigure nominal = Nominal(*d);
    EXPECT_NEAR(nominal.low, 3.2 * std::pow(9.0, 1.05), 1e-9);
    EXPECT_NEAR(nominal.high, 3.2 * std::pow(11.0, 1.05), 1e-9);
    RangedFigure adjusted = Adjusted(*d);
    EXPECT_NEAR(adjusted.low, 0.86 * nominal.low, 1e-9);
    EXPECT_NEAR(adjusted.high, 0.86 * nominal.high, 1e-9);
    RangedFigure time = Time(*d);
    EXPECT_NEAR(time.low, 2.5 * std::pow(adjusted.low, 0.38), 1e-9);
    EXPECT_NEAR(time.high, 2.5 * std::pow(adjusted.high, 0.38), 1e-9);
    PhaseFigures design = d->GetPhaseFigures(cCocomoDoc::Phase::ProductDesign);
    EXPECT_NEAR(design.effort.low, 0.16 * adjusted.low, 1e-9);
    EXPECT_NEAR(design.staff.high, design.effort.high / design.schedule.high, 1e-9);
}

// Each end of a phase figure is the phase's share of the same end of the totals, and staff
// divides effort by schedule end by end: an end taken from the wrong side would shift the
// range of one phase only.
TEST_F(Engine, PhaseRangesFollowTheSameEndOfTheTotals) {
    auto d = Estimate(DevelopmentMode::Semidetached,
                      32000);  // size class M: fractions without interpolation
    d->SetCocomoSensitivity(0, 40, 0, CocomoSensitivityType::NominalEffort);
    const RangedFigure effort = Adjusted(*d);
    const RangedFigure time = Time(*d);
    ASSERT_LT(effort.low, effort.value);
    ASSERT_LT(effort.value, effort.high);
    const PhaseFigures design = d->GetPhaseFigures(cCocomoDoc::Phase::ProductDesign);
    const PhaseFigures programming = d->GetProgrammingPhaseFigures();
    const PhaseFigures integration = d->GetPhaseFigures(cCocomoDoc::Phase::IntegrationAndTest);
    struct End {
        const char* name;
        double RangedFigure::*member;
    };
    for (End end : {End{"value", &RangedFigure::value}, End{"low", &RangedFigure::low},
                    End{"high", &RangedFigure::high}}) {
        auto at = [&](const RangedFigure& figure) { return figure.*end.member; };
        EXPECT_NEAR(at(design.effort), 0.17 * at(effort), 1e-9) << end.name;
        EXPECT_NEAR(at(design.schedule), 0.26 * at(time), 1e-9) << end.name;
        EXPECT_NEAR(at(design.staff), at(design.effort) / at(design.schedule), 1e-9) << end.name;
        EXPECT_NEAR(at(programming.detailedDesign), 0.25 * at(effort), 1e-9) << end.name;
        EXPECT_NEAR(at(programming.codeAndUnitTest), 0.33 * at(effort), 1e-9) << end.name;
        EXPECT_NEAR(at(programming.schedule), 0.48 * at(time), 1e-9) << end.name;
        EXPECT_NEAR(at(programming.staff),
                    (at(programming.detailedDesign) + at(programming.codeAndUnitTest)) /
                        at(programming.schedule),
                    1e-9)
            << end.name;
        EXPECT_NEAR(at(integration.effort), 0.25 * at(effort), 1e-9) << end.name;
        EXPECT_NEAR(at(integration.schedule), 0.26 * at(time), 1e-9) << end.name;
        EXPECT_NEAR(at(integration.staff), at(integration.effort) / at(integration.schedule), 1e-9)
            << end.name;
    }
}

TEST_F(Engine, EffortSensitivityTypes) {
    struct Case {
        const char* what;
        CocomoSensitivityType type;
        double percent;
        double nominalLow, nominalHigh;    // factors of the nominal effort
        double adjustedLow, adjustedHigh;  // factors of the adjusted effort
    };
    for (Case c :
         {Case{"ADJ_PM 20 %", CocomoSensitivityType::AdjustedEffort, 20, 1, 1, 0.8, 1.2},
          Case{"NOM_PM 100 %", CocomoSensitivityType::NominalEffort, 100, 0, 2, 0, 2},
          Case{"NOM_PM 25 %", CocomoSensitivityType::NominalEffort, 25, 0.75, 1.25, 0.75, 1.25},
          Case{"SLOC 0 %", CocomoSensitivityType::Sloc, 0, 1, 1, 1, 1}}) {
        auto d = Estimate(DevelopmentMode::Embedded, 50000);
        d->SetCostDriverMultiplier(DriverIndex("RELY", *d), 1.40);
        d->SetCocomoSensitivity(c.percent, c.percent, c.percent, c.type);
        RangedFigure nominal = Nominal(*d);
        RangedFigure adjusted = Adjusted(*d);
        RangedFigure time = Time(*d);
        EXPECT_NEAR(nominal.low, c.nominalLow * nominal.value, 1e-9) << c.what;
        EXPECT_NEAR(nominal.high, c.nominalHigh * nominal.value, 1e-9) << c.what;
        EXPECT_NEAR(adjusted.low, c.adjustedLow * adjusted.value, 1e-9) << c.what;
        EXPECT_NEAR(adjusted.high, c.adjustedHigh * adjusted.value, 1e-9) << c.what;
        EXPECT_NEAR(time.low, 2.5 * std::pow(adjusted.low, 0.32), 1e-9) << c.what;
        EXPECT_NEAR(time.high, 2.5 * std::pow(adjusted.high, 0.32), 1e-9) << c.what;
    }
}

TEST_F(Engine, SensitivitySettersKeepValuesWithinRange) {
    auto d = NewDocument();
    d->SetCocomoSensitivity(150, -1, 100, static_cast<CocomoSensitivityType>(3));
    EXPECT_EQ(d->GetSlocSensitivity(), 0);
    EXPECT_EQ(d->GetNominalSensitivity(), 0);
    EXPECT_EQ(d->GetAdjustedSensitivity(), 100);
    EXPECT_EQ(d->GetSensitivityType(), CocomoSensitivityType::Sloc);
    d->SetSlocSensitivity(12.5);
    d->SetSensitivityType(CocomoSensitivityType::AdjustedEffort);
    EXPECT_EQ(d->GetSlocSensitivity(), 12.5);
    EXPECT_EQ(d->GetSensitivityType(), CocomoSensitivityType::AdjustedEffort);
    d->SetSlocSensitivity(100.01);
    d->SetSensitivityType(static_cast<CocomoSensitivityType>(-1));
    EXPECT_EQ(d->GetSlocSensitivity(), 0);
    EXPECT_EQ(d->GetSensitivityType(), CocomoSensitivityType::Sloc);
    d->SetSlocSensitivity(std::numeric_limits<double>::quiet_NaN());
    EXPECT_EQ(d->GetSlocSensitivity(), 0);
}

TEST_F(Engine, ModelTypeChangesNoFigure) {
    auto d = Estimate(DevelopmentMode::Semidetached, 32000);
    double before = Time(*d).value;
    for (ModelType model : {ModelType::Basic, ModelType::Advanced, ModelType::Intermediate}) {
        d->SetModelType(model);
        EXPECT_EQ(Time(*d).value, before);
    }
}

TEST_F(Engine, CostDriversMultiplyIntoTheAdjustedEffort) {
    auto d = Estimate(DevelopmentMode::Semidetached, 32000);
    ASSERT_TRUE(d->SetCostDriverMultiplier(DriverIndex("RELY", *d), 1.40));
    ASSERT_TRUE(d->SetCostDriverMultiplier(DriverIndex("TOOL", *d), 0.83));
    EXPECT_FALSE(d->SetCostDriverMultiplier(DriverIndex("TOOL", *d), 1.07));
    EXPECT_FALSE(d->SetCostDriverMultiplier(99, 1.0));
    EXPECT_NEAR(d->GetEffortAdjustmentFactor(), 1.40 * 0.83, 1e-12);
    EXPECT_NEAR(Adjusted(*d).value, 1.40 * 0.83 * Nominal(*d).value, 1e-9);
}

TEST_F(Engine, WithoutCostDriversEveryAdjustedFigureIsZero) {
    UseProfile({"[Development_Mode_Constants]", "Semidetached_PM_Nom_Mult=3.0",
                "Semidetached_PM_Nom_Exp=1.12", "Semidetached_TDEV_Mult=2.5",
                "Semidetached_TDEV_Exp=0.35"});
    auto d = Estimate(DevelopmentMode::Semidetached, 32000);
    EXPECT_TRUE(d->GetCostDrivers().empty());
    EXPECT_EQ(d->GetEffortAdjustmentFactor(), 0);
    EXPECT_NEAR(Nominal(*d).value, 145.5, 0.05);
    RangedFigure adjusted = Adjusted(*d);
    EXPECT_EQ(adjusted.value + adjusted.low + adjusted.high, 0);
    EXPECT_EQ(Time(*d).value, 0);
    // Schedules are 0 with a positive size: staff has no value and shows as 0.
    PhaseFigures design = d->GetPhaseFigures(cCocomoDoc::Phase::ProductDesign);
    ExpectAllZero(design);
    ExpectAllZero(d->GetProgrammingPhaseFigures());
}

TEST_F(Engine, UndefinedStaffQuotientIsZero) {
    // Zero schedule fractions with a positive effort: staff would be effort / 0.
    UseProfile({"[Development_Mode_Constants]", "Organic_PM_Nom_Mult=3.2",
                "Organic_PM_Nom_Exp=1.05", "Organic_TDEV_Mult=2.5", "Organic_TDEV_Exp=0.38",
                "[Product_CDA_Group]", "Product_CDA_Name00=RELY", "Product_CDA_VL_Mult00=NA",
                "Product_CDA_L_Mult00=NA", "Product_CDA_N_Mult00=1.00", "Product_CDA_H_Mult00=NA",
                "Product_CDA_VH_Mult00=NA", "Product_CDA_EH_Mult00=NA", "[Sched_PDP_Organic]",
                "Sched_PDP_Org_S_Per00=0", "Sched_PDP_Org_I_Per00=0", "Sched_PDP_Org_M_Per00=0",
                "Sched_PDP_Org_L_Per00=0"});
    auto d = Estimate(DevelopmentMode::Organic, 20000);
    PhaseFigures design = d->GetPhaseFigures(cCocomoDoc::Phase::ProductDesign);
    EXPECT_GT(design.effort.value, 0);
    EXPECT_EQ(design.schedule.value, 0);
    EXPECT_EQ(design.staff, RangedFigure{});
}

TEST_F(Engine, NegativeSizeComputesAsZero) {
    auto d = Estimate(DevelopmentMode::Semidetached, -5000);
    d->SetCocomoSensitivity(10, 0, 0, CocomoSensitivityType::Sloc);
    EXPECT_EQ(d->GetSourceLines(), -5000);
    EXPECT_EQ(d->GetSourceLinesRange(), RangedFigure{});
    for (RangedFigure r : {Nominal(*d), Adjusted(*d), Time(*d)}) {
        EXPECT_EQ(r.value, 0);
        EXPECT_EQ(r.low, 0);
        EXPECT_EQ(r.high, 0);
    }
    ExpectAllZero(d->GetProgrammingPhaseFigures());
}

TEST_F(Engine, AbsurdSizesGiveFiniteFigures) {
    for (double size :
         {1e300, std::numeric_limits<double>::max(), std::numeric_limits<double>::infinity()}) {
        auto d = Estimate(DevelopmentMode::Embedded, size);
        d->SetCocomoSensitivity(50, 0, 0, CocomoSensitivityType::Sloc);
        for (RangedFigure r : {Nominal(*d), Adjusted(*d), Time(*d)}) {
            EXPECT_TRUE(std::isfinite(r.value) && std::isfinite(r.low) && std::isfinite(r.high))
                << size;
        }
        ExpectAllFinite(d->GetPhaseFigures(cCocomoDoc::Phase::ProductDesign));
        ExpectAllFinite(d->GetProgrammingPhaseFigures());
        ExpectAllFinite(d->GetPhaseFigures(cCocomoDoc::Phase::IntegrationAndTest));
        EXPECT_TRUE(std::isfinite(d->GetSourceLinesRange().high));
    }
    auto nan = Estimate(DevelopmentMode::Embedded, std::numeric_limits<double>::quiet_NaN());
    EXPECT_EQ(Time(*nan).value, 0);
}

TEST_F(Engine, ModeOutsideTheThreeGivesZeroEffortAndSchedule) {
    const auto mode = static_cast<DevelopmentMode>(7);
    auto d = Estimate(mode, 32000);
    EXPECT_EQ(Nominal(*d).value, 0);
    EXPECT_EQ(Time(*d).value, 0);
    ExpectAllZero(d->GetPhaseFigures(cCocomoDoc::Phase::ProductDesign));
    ExpectAllZero(d->GetPhaseFigures(static_cast<cCocomoDoc::Phase>(5)));
    ModeConstants none = d->GetModeConstants(mode);
    EXPECT_EQ(none.a + none.b + none.tm + none.te, 0);
}

}  // namespace
}  // namespace korval::testing
