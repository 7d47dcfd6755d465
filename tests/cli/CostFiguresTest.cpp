#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/cEstimatorAppLogic.h"
#include "cli/FiguresJson.h"
#include "cli/PlanFigures.h"
#include "cocomo/cCocomoDoc.h"
#include "documents/cDocumentFactory.h"
#include "framework/cTextReportSurface.h"
#include "project/cProjectDoc.h"
#include "rayleigh/cRayleighDoc.h"
#include "system/cSystemDoc.h"
#include "tests/support/TempDir.h"
#include "tests/support/cScriptedPlatform.h"

namespace korval {

void PrintTo(const CostRate& cost, std::ostream* out) {
    *out << cost.rate << " " << cost.currency;
}

namespace {

using testing::TempDir;

// Where a cost sits in the figures JSON and the effort (person-months) it prices.
struct PricedFigure {
    std::string pointer;
    RangedFigure effort;
};
using PricedFigures = std::vector<PricedFigure>;

PricedFigures CocomoPriced(const cCocomoDoc& d, const std::string& at) {
    return {{at + "/nominalEffort", d.GetNominalEffortRange()},
            {at + "/adjustedEffort", d.GetAdjustedEffortRange()},
            {at + "/productDesign", d.GetPhaseFigures(cCocomoDoc::Phase::ProductDesign).effort},
            {at + "/programming", d.GetProgrammingEffortRange()},
            {at + "/detailedDesign", d.GetProgrammingPhaseFigures().detailedDesign},
            {at + "/codeAndUnitTest", d.GetProgrammingPhaseFigures().codeAndUnitTest},
            {at + "/integrationAndTest",
             d.GetPhaseFigures(cCocomoDoc::Phase::IntegrationAndTest).effort}};
}

PricedFigures RayleighPriced(const cRayleighDoc& d, const std::string& at) {
    return {{at + "/lifeCycleEffort", d.LifeCycleEffortMonthsRange()},
            {at + "/mainBuildEffort", d.MainBuildEffortMonthsRange()}};
}

PricedFigures SystemPriced(const cSystemDoc& d) {
    PricedFigures priced = {
        {"/system/cost/productDesign", RangedFigure::Exact(d.GetProductDesignEffort())},
        {"/system/cost/finalTest", RangedFigure::Exact(d.GetFinalTestEffort())},
        {"/system/cost/total", RangedFigure::Exact(d.GetTotalEffort())}};
    for (std::size_t i = 0; i < d.GetMembers().size(); ++i) {
        MemberFigures f = d.GetMembers()[i]->Figures();
        priced.push_back({"/system/members/" + std::to_string(i) + "/cost",
                          RangedFigure::Exact(f.programmingEffort + f.integrationEffort)});
    }
    return priced;
}

// Each priced kind: how to reach its rate and which of its efforts carry a cost.
struct PricedKind {
    const char* file;
    std::function<CostRate(cModelDoc&)> rate;
    std::function<void(cModelDoc&, const CostRate&)> setRate;
    std::function<PricedFigures(cModelDoc&)> priced;
    // Where the "cost" objects are, for checking that they hold nothing unpriced.
    std::vector<std::string> costObjects;
};

template <class Doc>
Doc& As(cModelDoc& document) {
    return static_cast<Doc&>(document);
}

const std::vector<PricedKind>& Kinds() {
    static const std::vector<PricedKind> kinds = {
        {"order-billing.CCM",
         [](cModelDoc& d) { return As<cCocomoDoc>(d).GetCostRate(); },
         [](cModelDoc& d, const CostRate& c) { As<cCocomoDoc>(d).SetCostRate(c); },
         [](cModelDoc& d) { return CocomoPriced(As<cCocomoDoc>(d), "/cocomo/cost"); },
         {"/cocomo/cost"}},
        {"claims-portal.RLM",
         [](cModelDoc& d) { return As<cRayleighDoc>(d).GetCostRate(); },
         [](cModelDoc& d, const CostRate& c) { As<cRayleighDoc>(d).SetCostRate(c); },
         [](cModelDoc& d) { return RayleighPriced(As<cRayleighDoc>(d), "/rayleigh/cost"); },
         {"/rayleigh/cost"}},
        {"web-shop.PRJ",
         [](cModelDoc& d) { return As<cProjectDoc>(d).GetCostRate(); },
         [](cModelDoc& d, const CostRate& c) { As<cProjectDoc>(d).SetCostRate(c); },
         [](cModelDoc& d) {
             cProjectDoc& project = As<cProjectDoc>(d);
             PricedFigures priced = CocomoPriced(project.CocomoModel(), "/project/cocomo/cost");
             for (PricedFigure& f :
                  RayleighPriced(project.RayleighModel(), "/project/rayleigh/cost"))
                 priced.push_back(f);
             return priced;
         },
         {"/project/cocomo/cost", "/project/rayleigh/cost"}},
        {"programme.SLE",
         [](cModelDoc& d) { return As<cSystemDoc>(d).GetCostRate(); },
         [](cModelDoc& d, const CostRate& c) { As<cSystemDoc>(d).SetCostRate(c); },
         [](cModelDoc& d) { return SystemPriced(As<cSystemDoc>(d)); },
         {"/system/cost"}},
    };
    return kinds;
}

// Every "cost" key anywhere in the figures.
int CountCostKeys(const Json& value) {
    int count = 0;
    if (value.is_object()) {
        for (auto it = value.begin(); it != value.end(); ++it)
            count += (it.key() == "cost") + CountCostKeys(it.value());
    } else if (value.is_array()) {
        for (const Json& element : value) count += CountCostKeys(element);
    }
    return count;
}

Json WithoutCost(Json value) {
    if (value.is_object()) {
        value.erase("cost");
        for (Json& element : value) element = WithoutCost(element);
    } else if (value.is_array()) {
        for (Json& element : value) element = WithoutCost(element);
    }
    return value;
}

std::string Report(cModelDoc& document) {
    cTextReportSurface surface;
    document.LayOutReport(surface).DrawAll(surface);
    return surface.Render();
}

class CostFiguresTest : public ::testing::Test {
  protected:
    TempDir dir;
    testing::cScriptedPlatform platform;
    cEstimatorAppLogic app{platform, KORVAL_DEFAULTS_PROFILE, CreateDocument};

    void SetUp() override {
        for (const char* member : {"payroll.PRJ", "web-shop.PRJ"})
            TempDir::WriteFile(dir.File(member), Example(member));
        // The examples' system names a member that is missing on purpose; this one has
        // every member.
        TempDir::WriteFile(dir.File("programme.SLE"),
                           "[KORVAL]\r\nKORVAL_Type=System\r\nVersion=4.1\r\n\r\n"
                           "[System_Level_Estimation]\r\nProduct_Design_User_Specified=FALSE\r\n"
                           "Integration_And_Test_TDEV=3.0\r\nIntegration_And_Test_Effort=45.0\r\n"
                           "\r\n[Projects]\r\nFile_Name00=payroll.PRJ\r\nStart_Offset00=0\r\n"
                           "File_Name01=web-shop.PRJ\r\nStart_Offset01=0\r\n\r\n"
                           "[Cost]\r\nRate=11000.00\r\nCurrency=EUR\r\n");
    }

    static std::string Example(const std::string& name) {
        return TempDir::ReadFile(KORVAL_SOURCE_DIR "/examples/" + name);
    }

    // The example (priced in its file) or the same file without its [Cost] section, as
    // every file written before costs existed is.
    std::string Copy(const PricedKind& kind, bool priced) {
        std::string path = dir.File(kind.file);
        std::string content =
            TempDir::ReadFile(path).empty() ? Example(kind.file) : TempDir::ReadFile(path);
        std::size_t section = content.find("[Cost]");
        if (!priced && section != std::string::npos) {
            std::size_t next = content.find("\r\n[", section);
            content.erase(section,
                          next == std::string::npos ? std::string::npos : next + 2 - section);
        }
        std::string copy = dir.File(std::string(priced ? "priced-" : "unpriced-") + kind.file);
        TempDir::WriteFile(copy, content);
        return copy;
    }

    std::unique_ptr<cModelDoc> Open(const std::string& path) {
        std::unique_ptr<cModelDoc> document = app.OpenByKind(path);
        EXPECT_TRUE(document) << path;
        return document;
    }
};

TEST_F(CostFiguresTest, EveryCostIsItsEffortTimesTheRateAtBothEnds) {
    for (const PricedKind& kind : Kinds()) {
        SCOPED_TRACE(kind.file);
        std::unique_ptr<cModelDoc> document = Open(Copy(kind, true));
        ASSERT_TRUE(document);
        if (document->Kind() == DocumentKind::Cocomo)
            As<cCocomoDoc>(*document).SetCocomoSensitivity(20, 0, 0, CocomoSensitivityType::Sloc);
        CostRate cost = kind.rate(*document);
        ASSERT_GT(cost.rate, 0);
        EXPECT_EQ(cost.currency, "EUR");

        Json figures = DocumentFigures(*document);
        std::size_t pricedKeys = 0;
        for (const std::string& at : kind.costObjects) {
            const Json& object = figures.at(Json::json_pointer(at));
            EXPECT_EQ(object.at("rate"), cost.rate);
            EXPECT_EQ(object.at("currency"), cost.currency);
            pricedKeys += object.size() - 2;
        }
        PricedFigures priced = kind.priced(*document);
        std::size_t memberCosts = 0;
        for (const PricedFigure& f : priced) {
            SCOPED_TRACE(f.pointer);
            memberCosts += f.pointer.find("/members/") != std::string::npos;
            const Json& money = figures.at(Json::json_pointer(f.pointer));
            EXPECT_DOUBLE_EQ(money.at("value").get<double>(), f.effort.value * cost.rate);
            EXPECT_DOUBLE_EQ(money.at("low").get<double>(), f.effort.low * cost.rate);
            EXPECT_DOUBLE_EQ(money.at("high").get<double>(), f.effort.high * cost.rate);
        }
        EXPECT_EQ(priced.size() - memberCosts, pricedKeys) << "every cost is checked";
    }
}

TEST_F(CostFiguresTest, RangesArePricedApart) {
    std::unique_ptr<cModelDoc> document = Open(Copy(Kinds()[0], true));
    ASSERT_TRUE(document);
    auto& cocomo = As<cCocomoDoc>(*document);
    cocomo.SetCocomoSensitivity(20, 0, 0, CocomoSensitivityType::Sloc);
    Json cost = DocumentFigures(cocomo)["cocomo"]["cost"]["adjustedEffort"];
    EXPECT_LT(cost["low"].get<double>(), cost["value"].get<double>());
    EXPECT_LT(cost["value"].get<double>(), cost["high"].get<double>());
}

TEST_F(CostFiguresTest, AFileWithoutCostShowsNoCostAnywhere) {
    for (const PricedKind& kind : Kinds()) {
        SCOPED_TRACE(kind.file);
        std::unique_ptr<cModelDoc> unpriced = Open(Copy(kind, false));
        std::unique_ptr<cModelDoc> priced = Open(Copy(kind, true));
        ASSERT_TRUE(unpriced && priced);
        // The charts come after the cost; without them the cost block is the report's end.
        unpriced->SetFilter(cModelDoc::kChartsSwitch, FilterState::Off);
        priced->SetFilter(cModelDoc::kChartsSwitch, FilterState::Off);
        EXPECT_EQ(kind.rate(*unpriced).rate, 0);
        Json figures = DocumentFigures(*unpriced);
        EXPECT_EQ(CountCostKeys(figures), 0);
        std::string report = Report(*unpriced);
        EXPECT_EQ(report.find("Cost"), std::string::npos) << report;
        EXPECT_EQ(report.find("COST"), std::string::npos);
        EXPECT_EQ(report.find("EUR"), std::string::npos);
        std::string csv =
            StaffingCsv(*DocumentStaffingTable(*unpriced), DocumentCostRate(*unpriced));
        EXPECT_NE(csv.find(",\r\n2,"), std::string::npos) << "the cost column stays empty";

        // Pricing adds the cost and changes no other figure, nor any row before it.
        EXPECT_GT(CountCostKeys(DocumentFigures(*priced)), 0);
        EXPECT_EQ(WithoutCost(DocumentFigures(*priced)), figures);
        std::string pricedReport = Report(*priced);
        EXPECT_EQ(pricedReport.rfind(report, 0), 0u) << pricedReport;
        std::string pricedCsv =
            StaffingCsv(*DocumentStaffingTable(*priced), DocumentCostRate(*priced));
        EXPECT_EQ(pricedCsv.find(",\r\n2,"), std::string::npos) << "the cost column is filled";
    }
}

TEST_F(CostFiguresTest, RateAndCurrencyRoundTripThroughTheFile) {
    const CostRate entered{12345.5, "CHF"};
    for (const PricedKind& kind : Kinds()) {
        SCOPED_TRACE(kind.file);
        std::unique_ptr<cModelDoc> document = Open(Copy(kind, false));
        ASSERT_TRUE(document);
        Json before = DocumentFigures(*document);
        kind.setRate(*document, entered);
        std::string saved = dir.File(std::string("saved-") + kind.file);
        ASSERT_TRUE(document->SaveAs(saved));

        std::unique_ptr<cModelDoc> reopened = Open(saved);
        ASSERT_TRUE(reopened);
        EXPECT_EQ(kind.rate(*reopened), entered);
        EXPECT_EQ(WithoutCost(DocumentFigures(*reopened)), before);
        if (reopened->Kind() == DocumentKind::Project) {
            auto& project = As<cProjectDoc>(*reopened);
            EXPECT_EQ(project.CocomoModel().GetCostRate(), entered);
            EXPECT_EQ(project.RayleighModel().GetCostRate(), entered);
        }
    }
}

TEST_F(CostFiguresTest, NewDocumentsTakeTheDefaultsProfileRate) {
    std::string profile = dir.File("defaults.ini");
    std::string shipped = TempDir::ReadFile(KORVAL_DEFAULTS_PROFILE);
    ASSERT_NE(shipped.find("[Cost]"), std::string::npos);
    // The first of two equal keys counts: these come before the shipped ones.
    shipped.replace(shipped.find("[Cost]"), 6, "[Cost]\nRate=9000\nCurrency=GBP");
    TempDir::WriteFile(profile, shipped);
    cEstimatorAppLogic custom{platform, profile, CreateDocument};
    for (DocumentKind kind : {DocumentKind::Cocomo, DocumentKind::Rayleigh, DocumentKind::Project,
                              DocumentKind::System}) {
        std::unique_ptr<cModelDoc> document = custom.NewDocument(kind);
        for (const PricedKind& priced : Kinds()) {
            if (app.KindOfFile(Copy(priced, true)) != kind) continue;
            EXPECT_EQ(priced.rate(*document), (CostRate{9000, "GBP"})) << priced.file;
        }
    }
    // The shipped profile prices nothing.
    EXPECT_FALSE(As<cCocomoDoc>(*app.NewDocument(DocumentKind::Cocomo)).GetCostRate().IsPriced());
}

}  // namespace
}  // namespace korval
