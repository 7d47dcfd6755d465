#include <cmath>

#include "framework/ProfileAccess.h"
#include "tests/cocomo/CocomoTestSupport.h"

namespace korval::testing {
namespace {

using ModelFile = CocomoTest;

std::string Read(const std::string& section, const std::string& key, const std::string& path) {
    return ReadProfileValue(section, key, "<missing>", 200, path);
}

struct Figures {
    double nominal, adjusted, time, designStaff, programmingStaff;
};

Figures FiguresOf(const cCocomoDoc& d) {
    return {d.GetNominalEffort(), d.GetAdjustedEffort(), d.GetTimeToDevelop(),
            d.GetPhaseFigures(cCocomoDoc::Phase::ProductDesign).staff.value,
            d.GetProgrammingPhaseFigures().staff.high};
}

TEST_F(ModelFile, SavedAndReopenedGivesTheSameFigures) {
    auto d = Estimate(DevelopmentMode::Embedded, 60000);
    d->SetCostDriverMultiplier(DriverIndex("RELY", *d), 1.40);
    d->SetCostDriverMultiplier(DriverIndex("PCAP", *d), 0.86);
    d->SetCocomoSensitivity(15, 30, 40, CocomoSensitivityType::Sloc);
    d->SetDescriptionTexts("Flight software", "R. O.", "Line one\r\nLine two");
    std::string path = dir.File("model.CCM");
    ASSERT_TRUE(d->SaveAs(path));
    EXPECT_FALSE(d->IsModified());
    EXPECT_EQ(Read("KORVAL", "KORVAL_Type", path), "Cocomo");
    EXPECT_EQ(Read("KORVAL", "Version", path), GetProductVersion());

    auto reopened = NewDocument();
    ASSERT_TRUE(reopened->LoadModel(path));
    Figures before = FiguresOf(*d);
    Figures after = FiguresOf(*reopened);
    EXPECT_EQ(after.nominal, before.nominal);
    EXPECT_EQ(after.adjusted, before.adjusted);
    EXPECT_EQ(after.time, before.time);
    EXPECT_EQ(after.designStaff, before.designStaff);
    EXPECT_EQ(after.programmingStaff, before.programmingStaff);
    EXPECT_EQ(reopened->GetDevelopmentMode(), DevelopmentMode::Embedded);
    EXPECT_EQ(reopened->GetSlocSensitivity(), 15);
    EXPECT_EQ(reopened->GetNominalSensitivity(), 30);
    EXPECT_EQ(reopened->GetAdjustedSensitivity(), 40);
    EXPECT_EQ(reopened->GetDescription(), "Line one\r\nLine two");
    EXPECT_EQ(reopened->GetCostDrivers()[DriverIndex("RELY", *reopened)].GetRating(), kVeryHigh);
}

TEST_F(ModelFile, KeysOfEachSection) {
    UseProfile({"[Development_Mode_Constants]", "Organic_PM_Nom_Mult=3.2", "[Product_CDA_Group]",
                "Product_CDA_Name00=A", "Product_CDA_N_Mult00=1.00", "Product_CDA_Name01=B",
                "Product_CDA_N_Mult01=1.00", "Product_CDA_H_Mult01=1.10", "Product_CDA_Name02=C",
                "Product_CDA_N_Mult02=1.00", "[Hardware_CDA_Group]", "Hardware_CDA_Name00=D",
                "Hardware_CDA_N_Mult00=1.00", "Hardware_CDA_Name01=E",
                "Hardware_CDA_N_Mult01=1.00"});
    platform.AcceptAllMessages();  // the undefined multipliers are reported
    auto d = NewDocument();
    d->SetCostDriverMultiplier(1, 1.10);
    d->SetSourceLines(1234.5);
    d->SetCocomoSensitivity(5, 0, 0, CocomoSensitivityType::NominalEffort);
    std::string path = dir.File("keys.CCM");
    ASSERT_TRUE(d->SaveModel(path));
    EXPECT_EQ(Read("COCOMO_Model", "Development_Mode", path), "SEMIDETACHED");
    EXPECT_EQ(Read("COCOMO_Model", "Model", path), "INTERMEDIATE");
    EXPECT_EQ(Read("COCOMO_Model", "Source_Lines_Code", path), "1234.500000");
    EXPECT_EQ(Read("Development_Mode_Constants", "Organic_PM_Nom_Mult", path), "3.20");
    EXPECT_EQ(Read("Development_Mode_Constants", "Embedded_TDEV_Exp", path), "0.00");
    EXPECT_EQ(Read("Product_CDA_Group", "Product_CDA_Name02", path), "C");
    EXPECT_EQ(Read("Product_CDA_Group", "Product_CDA_VL_Mult01", path), "NA");
    EXPECT_EQ(Read("Product_CDA_Group", "Product_CDA_H_Mult01", path), "1.10");
    EXPECT_EQ(Read("Product_CDA_Group", "Product_CDA_Value01", path), "1.10");
    EXPECT_EQ(Read("Product_CDA_Group", "Product_CDA_Name03", path), "<missing>");
    EXPECT_EQ(Read("Hardware_CDA_Group", "Hardware_CDA_Name00", path), "D");
    EXPECT_EQ(Read("Hardware_CDA_Group", "Hardware_CDA_Value01", path), "1.00");
    EXPECT_EQ(TempDir::ReadFile(path).find("[UserDef_CDA_Group]"), std::string::npos);
    EXPECT_EQ(Read("COCOMO_Sensitivity_Analysis", "Selected_COCOMO_Sen", path), "NOM_PM");
    EXPECT_EQ(Read("COCOMO_Sensitivity_Analysis", "SLOC_Sen", path), "5.000000");
    EXPECT_EQ(Read("COCOMO_Sensitivity_Analysis", "Adjusted_Person_Months_Sen", path), "0.000000");
    EXPECT_EQ(Read("Effort_PDP_Organic", "Effort_PDP_Org_S_Per03", path), "0.16");
    EXPECT_EQ(Read("Sched_PDP_Embedded", "Sched_PDP_Emb_VL_Per02", path), "0.30");
    // The semidetached effort VL fractions go under the organic key name.
    EXPECT_EQ(Read("Effort_PDP_Semidetached", "Effort_PDP_Org_VL_Per03", path), "0.31");
    EXPECT_EQ(Read("Effort_PDP_Semidetached", "Effort_PDP_Sem_VL_Per03", path), "<missing>");
    // A save that is no project file writes its version but not its type.
    EXPECT_EQ(Read("KORVAL", "KORVAL_Type", path), "<missing>");
    EXPECT_NE(Read("KORVAL", "Version", path), "<missing>");
}

TEST_F(ModelFile, ModelWrittenIntoAProjectFileLeavesItsIdentityAlone) {
    auto d = Estimate(DevelopmentMode::Organic, 5000);
    std::string path = dir.File("plan.prj");
    ASSERT_TRUE(d->SaveModel(path));
    EXPECT_EQ(Read("KORVAL", "Version", path), "<missing>");
    EXPECT_EQ(Read("CocomoSummary", "Title", path), "");
}

TEST_F(ModelFile, ModelTokens) {
    struct Case {
        const char* mode;
        const char* model;
        DevelopmentMode expectedMode;
        ModelType expectedModel;
    };
    for (Case c :
         {Case{"embedded", "ADVANCED", DevelopmentMode::Embedded, ModelType::Advanced},
          Case{"2", "0", DevelopmentMode::Embedded, ModelType::Basic},
          Case{"Organic", "basic", DevelopmentMode::Organic, ModelType::Basic},
          Case{"fast", "huge", DevelopmentMode::Semidetached, ModelType::Intermediate},
          Case{nullptr, nullptr, DevelopmentMode::Semidetached, ModelType::Intermediate}}) {
        std::vector<std::string> lines = {"[COCOMO_Model]"};
        if (c.mode) lines.push_back(std::string("Development_Mode=") + c.mode);
        if (c.model) lines.push_back(std::string("Model=") + c.model);
        std::string path = WriteFile("tokens.CCM", lines);
        auto d = NewDocument();
        d->SetDevelopmentMode(DevelopmentMode::Organic);
        d->SetModelType(ModelType::Basic);
        d->ResetToDefaults();
        ASSERT_TRUE(d->LoadModel(path));
        EXPECT_EQ(d->GetDevelopmentMode(), c.expectedMode) << (c.mode ? c.mode : "none");
        EXPECT_EQ(d->GetModelType(), c.expectedModel) << (c.model ? c.model : "none");
    }
}

TEST_F(ModelFile, RatingsAndSensitivityFromTheFile) {
    auto d = Estimate(DevelopmentMode::Semidetached, 20000);
    std::string path = dir.File("ratings.CCM");
    ASSERT_TRUE(d->SaveModel(path));
    ASSERT_TRUE(WriteProfileValue("Product_CDA_Group", "Product_CDA_Value00", "1.15", path));
    ASSERT_TRUE(WriteProfileValue("Product_CDA_Group", "Product_CDA_Value01", "1.15", path));
    ASSERT_TRUE(WriteProfileValue("Product_CDA_Group", "Product_CDA_Value02", "high", path));
    ASSERT_TRUE(WriteProfileValue("COCOMO_Sensitivity_Analysis", "SLOC_Sen", "150", path));
    ASSERT_TRUE(
        WriteProfileValue("COCOMO_Sensitivity_Analysis", "Nominal_Person_Months_Sen", "abc", path));
    ASSERT_TRUE(
        WriteProfileValue("COCOMO_Sensitivity_Analysis", "Adjusted_Person_Months_Sen", "35", path));
    ASSERT_TRUE(
        WriteProfileValue("COCOMO_Sensitivity_Analysis", "Selected_COCOMO_Sen", "adj_pm", path));
    auto reopened = NewDocument();
    // A value that is no multiplier of its driver is named, with the rating used instead.
    platform.ExpectMessage();
    platform.ExpectMessage();
    ASSERT_TRUE(reopened->LoadModel(path));
    ASSERT_EQ(platform.Messages().size(), 2u);
    EXPECT_EQ(platform.Messages()[0],
              path +
                  ": [Product_CDA_Group] Product_CDA_Value01 = 1.15 is none of the "
                  "multipliers of DATA Data Base Size; it is rated Nominal (1.00).");
    EXPECT_NE(platform.Messages()[1].find("Product_CDA_Value02 = high"), std::string::npos);
    EXPECT_EQ(reopened->GetCostDrivers()[0].GetRating(), kHigh);
    EXPECT_EQ(reopened->GetCostDrivers()[1].GetRating(),
              kNominal);  // 1.15 is no multiplier of DATA
    EXPECT_EQ(reopened->GetCostDrivers()[2].GetRating(), kNominal);
    EXPECT_EQ(reopened->GetSlocSensitivity(), 0);
    EXPECT_EQ(reopened->GetNominalSensitivity(), 0);
    EXPECT_EQ(reopened->GetAdjustedSensitivity(), 35);
    EXPECT_EQ(reopened->GetSensitivityType(), CocomoSensitivityType::AdjustedEffort);
}

TEST_F(ModelFile, FileTablesReplaceTheDefaults) {
    auto d = Estimate(DevelopmentMode::Semidetached, 32000);
    std::string path = dir.File("tables.CCM");
    ASSERT_TRUE(d->SaveModel(path));
    ASSERT_TRUE(
        WriteProfileValue("Development_Mode_Constants", "Semidetached_PM_Nom_Mult", "3.5", path));
    ASSERT_TRUE(
        WriteProfileValue("Effort_PDP_Semidetached", "Effort_PDP_Org_VL_Per00", "0.20", path));
    ASSERT_TRUE(
        WriteProfileValue("Effort_PDP_Semidetached", "Effort_PDP_Sem_VL_Per01", "0.90", path));
    ASSERT_TRUE(WriteProfileValue("Effort_PDP_Embedded", "Effort_PDP_Emb_S_Per00", "1.20", path));
    ASSERT_TRUE(WriteProfileValue("Effort_PDP_Embedded", "Effort_PDP_Emb_I_Per00", "-1", path));
    ASSERT_TRUE(WriteProfileValue("Effort_PDP_Embedded", "Effort_PDP_Emb_M_Per00", "none", path));
    platform.ExpectMessage();
    platform.ExpectMessage();
    auto reopened = NewDocument();
    ASSERT_TRUE(reopened->LoadModel(path));
    EXPECT_EQ(platform.Messages(),
              (std::vector<std::string>{"Invalid profile entry:  Effort_PDP_Emb_S_Per00",
                                        "Invalid profile entry:  Effort_PDP_Emb_M_Per00"}));
    EXPECT_EQ(reopened->GetModeConstants(DevelopmentMode::Semidetached).a, 3.5);
    const auto& table = reopened->GetPhaseDistribution();
    EXPECT_EQ(table[7].GetFraction(kSizeVL), 0.20);
    EXPECT_EQ(table[8].GetFraction(kSizeVL), 0.23);  // the semidetached key name is not read
    EXPECT_EQ(table[14].GetFraction(kSizeS), 0.18);
    EXPECT_EQ(table[14].GetFraction(kSizeI), 0.18);
}

// Documents share the defaults profile's phase table until one of them holds other
// fractions: a file's own fractions, or the defaults after the profile changed, never reach
// another document.
TEST_F(ModelFile, PhaseTableOfOneDocumentNeverChangesAnother) {
    auto fresh = NewDocument();
    std::string path = dir.File("phases.CCM");
    ASSERT_TRUE(fresh->SaveModel(path));
    std::string saved = TempDir::ReadFile(path);
    std::string unchangedPath = dir.File("unchanged.CCM");
    TempDir::WriteFile(unchangedPath, saved);
    ASSERT_TRUE(WriteProfileValue("Effort_PDP_Organic", "Effort_PDP_Org_S_Per00", "0.42", path));

    auto fromDefaults = NewDocument();
    ASSERT_TRUE(fromDefaults->LoadModel(unchangedPath));
    auto changed = NewDocument();
    ASSERT_TRUE(changed->LoadModel(path));
    double builtIn = fresh->GetPhaseDistribution()[0].GetFraction(kSizeS);
    EXPECT_NE(builtIn, 0.42);
    EXPECT_EQ(changed->GetPhaseDistribution()[0].GetFraction(kSizeS), 0.42);
    for (const cCocomoDoc* other : {fresh.get(), fromDefaults.get(), NewDocument().get()})
        EXPECT_EQ(other->GetPhaseDistribution()[0].GetFraction(kSizeS), builtIn);

    std::string resaved = dir.File("resaved.CCM");
    ASSERT_TRUE(fresh->SaveModel(resaved));
    EXPECT_EQ(TempDir::ReadFile(resaved), saved) << "a shared table saves as its own did";
    changed->ResetToDefaults();
    EXPECT_EQ(changed->GetPhaseDistribution()[0].GetFraction(kSizeS), builtIn);
}

TEST_F(ModelFile, DamagedFilesOpenWithDefaultsAndFiniteFigures) {
    const std::vector<std::vector<std::string>> files = {
        {"[KORVAL]", "KORVAL_Type=Cocomo"},
        {"[COCOMO_Model]", "Development_Mode=EMBEDDED", "Source_Lines_Code=1e300"},
        {"[COCOMO_Model]", "Source_Lines_Code=lots", "[Product_CDA_Group]", "Product_CDA_Name00=X",
         "Product_CDA_N_Mult00=9999", "Product_CDA_Value00=9999"},
        {"[COCOMO_Model]", "Source_Lines_Code=-25000", "[Development_Mode_Constants]",
         "Semidetached_PM_Nom_Mult=3", "Semidetached_PM_Nom_Exp=1.12", "Semidetached_TDEV_Mult=2.5",
         "Semidetached_TDEV_Exp=0.35"},
        {"garbage without sections", "=", "[", "[COCOMO_Sensitivity_Analysis]",
         "Selected_COCOMO_Sen=everything", "SLOC_Sen=nan", "Adjusted_Person_Months_Sen=inf"},
    };
    platform.AcceptAllMessages();
    for (const auto& lines : files) {
        std::string path = WriteFile("damaged.CCM", lines);
        auto d = NewDocument();
        ASSERT_TRUE(d->LoadModel(path));
        Figures f = FiguresOf(*d);
        for (double value : {f.nominal, f.adjusted, f.time, f.designStaff, f.programmingStaff}) {
            EXPECT_TRUE(std::isfinite(value)) << lines[0];
        }
        for (std::string& row : ReportRows(*d)) {
            EXPECT_EQ(row.find("nan"), std::string::npos) << row;
            EXPECT_EQ(row.find("inf"), std::string::npos) << row;
        }
        EXPECT_EQ(d->GetSensitivityType(), CocomoSensitivityType::Sloc);
    }
}

TEST_F(ModelFile, MissingSectionsGiveZeroConstantsAndNoCostDrivers) {
    std::string path = WriteFile("bare.CCM", {"[COCOMO_Model]", "Source_Lines_Code=32000"});
    auto d = NewDocument();
    ASSERT_TRUE(d->LoadModel(path));
    EXPECT_EQ(d->GetSourceLines(), 32000);
    EXPECT_TRUE(d->GetCostDrivers().empty());
    EXPECT_EQ(d->GetModeConstants(DevelopmentMode::Semidetached).a, 0);
    EXPECT_EQ(d->GetAdjustedEffortRange(), RangedFigure{});
    EXPECT_EQ(d->GetPhaseDistribution().size(),
              21u);  // fractions stay those of the defaults profile
}

TEST_F(ModelFile, FileSaveWithoutPathAsksForOne) {
    auto d = Estimate(DevelopmentMode::Organic, 8000);
    d->SetModifiedFlag();
    platform.ExpectSaveFileName("");
    EXPECT_FALSE(d->SaveToFile());
    EXPECT_TRUE(d->IsModified());
    std::string path = dir.File("asked.CCM");
    platform.ExpectSaveFileName(path);
    EXPECT_TRUE(d->SaveToFile());
    EXPECT_FALSE(d->IsModified());
    EXPECT_EQ(Read("KORVAL", "KORVAL_Type", path), "Cocomo");
    EXPECT_EQ(Read("COCOMO_Model", "Development_Mode", path), "ORGANIC");
}

// Calibrated constants keep their precision through a model file (2.951 written as 2.95
// added 1.4 % to the effort at 100 KSLOC); constants of two decimals are written as ever.
TEST_F(ModelFile, ModeConstantsRoundTripTheirPrecision) {
    struct Case {
        const char* written;
        const char* stored;  // what the model file holds afterwards
    };
    const Case cases[] = {
        {"2.951", "2.951"}, {"1.097", "1.097"}, {"3.20", "3.20"}, {"3.5", "3.50"}};
    for (const Case& c : cases) {
        auto d = Estimate(DevelopmentMode::Semidetached, 100000);
        std::string path = dir.File(std::string("constants-") + c.written + ".CCM");
        ASSERT_TRUE(d->SaveModel(path));
        ASSERT_TRUE(WriteProfileValue("Development_Mode_Constants", "Semidetached_PM_Nom_Mult",
                                      c.written, path));
        auto reopened = NewDocument();
        ASSERT_TRUE(reopened->LoadModel(path));
        std::string resaved = dir.File(std::string("resaved-") + c.written + ".CCM");
        ASSERT_TRUE(reopened->SaveModel(resaved));
        EXPECT_EQ(ReadProfileValue("Development_Mode_Constants", "Semidetached_PM_Nom_Mult", "", 40,
                                   resaved),
                  c.stored);
        auto again = NewDocument();
        ASSERT_TRUE(again->LoadModel(resaved));
        EXPECT_EQ(again->GetAdjustedEffort(), reopened->GetAdjustedEffort()) << c.written;
    }
}

}  // namespace
}  // namespace korval::testing
