#include "cli/DocumentExport.h"
#include "tests/cocomo/CocomoTestSupport.h"

namespace korval::testing {
namespace {

using Report = CocomoTest;
using Rows = std::vector<std::string>;

void SwitchOn(cCocomoDoc& d, std::initializer_list<cModelDoc::FilterSwitch> on) {
    for (int s = 0; s < cModelDoc::kFilterSwitchCount; ++s)
        d.SetFilter(static_cast<cModelDoc::FilterSwitch>(s), FilterState::Off);
    for (cModelDoc::FilterSwitch s : on) d.SetFilter(s, FilterState::On);
}

TEST_F(Report, DefaultSwitchesShowDescriptionTotalsAndNoRanges) {
    auto d = Estimate(DevelopmentMode::Semidetached, 32000);
    d->SetDescriptionTexts("Billing", "M. Chen", "Order entry");
    d->SetCocomoSensitivity(10, 0, 0,
                            CocomoSensitivityType::Sloc);  // ranges exist but are not shown
    EXPECT_EQ(
        ReportRows(*d),
        (Rows{"Title: | Billing", "Prepared By: | M. Chen", "Description: | Order entry",
              "Source Lines of Code: | 32000.0", "Nominal Effort: | 145.5 person months",
              "Adjusted Effort: | 145.5 person months", "Time to Develop: | 14.3 calendar months",
              "Staffing", "    Phase | Calendar Months | Average Staff",
              "    Product Design: | 0.0 - 3.7 | 6.7 FSP",
              "    Programming: | 3.7 - 10.6 | 12.3 FSP",
              "    Integration and Test: | 10.6 - 14.3 | 9.8 FSP", "Phase Staffing Chart"}));
}

TEST_F(Report, RangesFollowTheSensitivityType) {
    struct Case {
        CocomoSensitivityType type;
        const char* typeLabel;
        bool sizeRange, nominalRange;
    };
    for (Case c :
         {Case{CocomoSensitivityType::Sloc, "Source Lines of Code (SLOC)", true, true},
          Case{CocomoSensitivityType::NominalEffort, "Nominal Person Months", false, true},
          Case{CocomoSensitivityType::AdjustedEffort, "Adjusted Person Months", false, false}}) {
        auto d = Estimate(DevelopmentMode::Semidetached, 32000);
        d->SetCocomoSensitivity(10, 10, 10, c.type);
        SwitchOn(*d, {cModelDoc::kSensitivityAnalysisSwitch, cModelDoc::kIntermediateTotalsSwitch,
                      cModelDoc::kTotalsSwitch});
        Rows rows = ReportRows(*d);
        ASSERT_EQ(rows.size(), 5u);
        EXPECT_EQ(rows[0], std::string("Sensitivity Analysis Type: | ") + c.typeLabel);
        EXPECT_EQ(rows[1].find('(') != std::string::npos, c.sizeRange) << rows[1];
        EXPECT_EQ(rows[2].find('(') != std::string::npos, c.nominalRange) << rows[2];
        EXPECT_NE(rows[3].find('('), std::string::npos) << rows[3];
        EXPECT_NE(rows[4].find('('), std::string::npos) << rows[4];
    }
}

TEST_F(Report, RangeFormatRoundsToOneDecimal) {
    auto d = Estimate(DevelopmentMode::Semidetached, 32000);
    d->SetCocomoSensitivity(0, 0, 10, CocomoSensitivityType::AdjustedEffort);
    SwitchOn(*d, {cModelDoc::kSensitivityAnalysisSwitch, cModelDoc::kIntermediateTotalsSwitch});
    EXPECT_EQ(ReportRows(*d)[3], "Adjusted Effort: | 145.5 person months | (131.0 - 160.1)");
}

TEST_F(Report, PhaseDistributionOfTheWorkedExample) {
    auto d = Estimate(DevelopmentMode::Semidetached, 32000);
    SwitchOn(*d, {cModelDoc::kPhaseDistributionSwitch});
    EXPECT_EQ(
        ReportRows(*d),
        (Rows{"Phase Distribution", "    Product Design Phase",
              "        Adjusted Effort: | 24.7 person months",
              "        Schedule: | 3.7 calendar months", "        Average Staff: | 6.7 FSP",
              "    Programming Phase", "        Adjusted Effort",
              "            Detailed Design: | 36.4 person months",
              "            Code and Unit Test: | 48.0 person months",
              "        Schedule: | 6.9 calendar months", "        Average Staff: | 12.3 FSP",
              "    Integration and Test Phase", "        Adjusted Effort: | 36.4 person months",
              "        Schedule: | 3.7 calendar months", "        Average Staff: | 9.8 FSP"}));
}

TEST_F(Report, NewDocumentShowsZerosWithRangesOnPhaseRows) {
    auto d = NewDocument();
    SwitchOn(*d, {cModelDoc::kPhaseDistributionSwitch, cModelDoc::kSensitivityAnalysisSwitch});
    Rows rows = ReportRows(*d);
    ASSERT_EQ(rows.size(), 16u);
    EXPECT_EQ(rows[3], "        Adjusted Effort: | 0.0 person months | (0.0 - 0.0)");
    EXPECT_EQ(rows[11], "        Average Staff: | 0.0 FSP | (0.0 - 0.0)");
}

TEST_F(Report, ScreenPassStoresTheReportExtent) {
    auto d = Estimate(DevelopmentMode::Organic, 10000);
    cRecordingSurface surface;
    cDrawContext dc(surface);
    int y = 5;
    int total = d->DrawReport(dc, y, TextFlags::kBase);
    EXPECT_GT(total, 0);
    EXPECT_EQ(d->GetReportExtentWidth(), 1000);
    EXPECT_EQ(d->GetReportExtentHeight(), total + 50);
}

// Outside the sizes the constants were fitted on, and for a model type computed as another,
// the report says so after its figures; within them it says nothing.
TEST_F(Report, SizesOutsideTheCalibrationAndOtherModelTypesAreNamed) {
    struct Case {
        double sourceLines;
        ModelType model;
        std::vector<std::string> codes;
    };
    const Case cases[] = {
        {20000, ModelType::Intermediate, {}},
        {1, ModelType::Intermediate, {"cocomo.sizeOutsideCalibration"}},
        {1e10, ModelType::Intermediate, {"cocomo.sizeOutsideCalibration"}},
        {20000, ModelType::Basic, {"cocomo.modelComputedAsIntermediate"}},
        {2e6,
         ModelType::Advanced,
         {"cocomo.modelComputedAsIntermediate", "cocomo.sizeOutsideCalibration"}},
    };
    for (const Case& c : cases) {
        auto document = Estimate(DevelopmentMode::Organic, c.sourceLines);
        document->SetModelType(c.model);
        std::vector<std::string> codes;
        for (const EstimateWarning& warning : document->Warnings()) codes.push_back(warning.code);
        EXPECT_EQ(codes, c.codes) << c.sourceLines;
        std::string report = ReportText(*document);
        EXPECT_EQ(report.find("WARNINGS:") != std::string::npos, !c.codes.empty()) << report;
    }
}

}  // namespace
}  // namespace korval::testing
