#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "framework/CostRate.h"
#include "framework/cCostDlg.h"
#include "tests/support/TempDir.h"
#include "tests/support/cScriptedPlatform.h"

namespace korval {
namespace {

using testing::TempDir;

TEST(CostRateTest, PricesEveryEndOfARange) {
    CostRate cost{12000, "EUR"};
    EXPECT_EQ(cost.CostOf(RangedFigure{10, 8, 12.5}), (RangedFigure{120000, 96000, 150000}));
    EXPECT_EQ(cost.CostOf(RangedFigure::Exact(0)), RangedFigure::Exact(0));
    EXPECT_EQ((CostRate{}).CostOf(RangedFigure{10, 8, 12}), RangedFigure::Exact(0));
    // An absurd effort saturates instead of printing inf.
    double huge = std::numeric_limits<double>::max();
    EXPECT_EQ(cost.CostOf(huge), huge);
    EXPECT_EQ(cost.CostOf(std::nan("")), 0);
}

TEST(CostRateTest, CheckedRatesAreNeverNegativeNorUndefined) {
    struct Case {
        double given;
        double kept;
    };
    const Case cases[] = {{11500, 11500},
                          {0, 0},
                          {-5, 0},
                          {std::nan(""), 0},
                          {std::numeric_limits<double>::infinity(), 0},
                          {1e12, CostRate::kMaxRate}};
    for (const Case& c : cases) {
        EXPECT_EQ(CostRate::Checked(c.given, "EUR").rate, c.kept) << c.given;
    }
    EXPECT_FALSE(CostRate::Checked(-5, "EUR").IsPriced());
    EXPECT_TRUE(CostRate::Checked(0.5, "EUR").IsPriced());
}

TEST(CostRateTest, MoneyIsShownInWholeUnitsWithThousandsGrouped) {
    EXPECT_EQ(MoneyText(1673351.4, "EUR"), "1,673,351 EUR");
    EXPECT_EQ(MoneyText(999.5, "EUR"), "1,000 EUR");
    EXPECT_EQ(MoneyText(12, ""), "12");
    EXPECT_EQ(MoneyText(0, "CHF"), "0 CHF");
    EXPECT_EQ(MoneyText(-1234, "EUR"), "-1,234 EUR");
    EXPECT_EQ(RateText({11500, "EUR"}), "11,500 EUR per person month");
    EXPECT_EQ(RateText({9875.5, "USD"}), "9,875.50 USD per person month");
}

TEST(CostRateTest, SectionReadsRateZeroWhenMissingOrSpoilt) {
    TempDir dir;
    struct Case {
        const char* content;
        double rate;
        const char* currency;
    };
    const Case cases[] = {
        {"[KORVAL]\r\nVersion=4.1\r\n", 0, "GBP"},
        {"[Cost]\r\nRate=12500.00\r\nCurrency=EUR\r\n", 12500, "EUR"},
        {"[Cost]\r\nRate=abc\r\nCurrency=EUR\r\n", 0, "EUR"},
        {"[Cost]\r\nRate=nan\r\n", 0, "GBP"},
        {"[Cost]\r\nRate=-100\r\nCurrency= USD \r\n", 0, "USD"},
        {"[Cost]\r\nRate=1e400\r\nCurrency=EUROPE\r\n", CostRate::kMaxRate, "EUROP"},
    };
    std::string path = dir.File("model.CCM");
    for (const Case& c : cases) {
        TempDir::WriteFile(path, c.content);
        CostRate read = ReadCostSection(path, "GBP");
        EXPECT_EQ(read.rate, c.rate) << c.content;
        EXPECT_EQ(read.currency, c.currency) << c.content;
    }
}

TEST(CostRateTest, SectionRoundTrips) {
    TempDir dir;
    std::string path = dir.File("model.RLM");
    TempDir::WriteFile(path, "[KORVAL]\r\nVersion=4.1\r\n");
    for (const CostRate& cost : {CostRate{9876.25, "CHF"}, CostRate{0, ""}, CostRate{1, "kr"}}) {
        ASSERT_TRUE(WriteCostSection(cost, path));
        EXPECT_EQ(ReadCostSection(path, "EUR").rate, cost.rate);
        EXPECT_EQ(ReadCostSection(path, "EUR").currency, cost.currency)
            << "a currency the user cleared stays cleared";
    }
}

// The dialog refuses what is not a rate and says so in the framework's wording.
TEST(CostDlgTest, RefusesWhatIsNotARate) {
    struct Case {
        const char* rate;
        const char* currency;
        const char* message;
    };
    const Case cases[] = {
        {"-1", "EUR", "Please enter a number between 0 and 999999999."},
        {"abc", "EUR", "Please enter a number."},
        {"nan", "EUR", "Please enter a number."},
        {"inf", "EUR", "Please enter a number."},
        {"", "EUR", "Please enter a number."},
        {"12x", "EUR", "Please enter a number."},
        {"1e10", "EUR", "Please enter a number between 0 and 999999999."},
        {"100", "EURO12", "Please enter a currency of at most 5 characters."},
        {"100", "E\tR", "Please enter a currency without control characters."},
    };
    for (const Case& c : cases) {
        testing::cScriptedPlatform platform;
        platform.AcceptAllMessages();
        cCostDlg dialog("COCOMO Cost", "", CostRate{}, platform);
        dialog.rateText = c.rate;
        dialog.currencyText = c.currency;
        EXPECT_FALSE(dialog.OnOk()) << c.rate << " " << c.currency;
        ASSERT_EQ(platform.Messages().size(), 1u) << c.rate;
        EXPECT_EQ(platform.Messages()[0], c.message);
    }
}

TEST(CostDlgTest, AcceptsRatesFromZeroAndTrimsTheCurrency) {
    testing::cScriptedPlatform platform;
    cCostDlg dialog("Project Cost", "note", CostRate{11500, "EUR"}, platform);
    EXPECT_EQ(dialog.rateText, "11500");
    EXPECT_EQ(dialog.currencyText, "EUR");
    EXPECT_EQ(dialog.HelpTopic(), cCostDlg::kHelpTopic);
    EXPECT_STREQ(dialog.Title(), "Project Cost");
    for (const char* rate : {"0", " 9500.5 ", "999999999"}) {
        dialog.rateText = rate;
        dialog.currencyText = "  \xE2\x82\xAC  ";  // the euro sign, one character
        EXPECT_TRUE(dialog.OnOk()) << rate;
    }
    EXPECT_EQ(dialog.Result(), (CostRate{999999999, "\xE2\x82\xAC"}));
    EXPECT_TRUE(platform.Messages().empty());
}

TEST(CostDlgTest, AskGivesTheRateOnOkAndNothingOnCancel) {
    testing::cScriptedPlatform platform;
    platform.ExpectDialog([](cDialogLogic& logic) {
        auto& dialog = dynamic_cast<cCostDlg&>(logic);
        dialog.rateText = "12000";
        dialog.currencyText = "USD";
        return dialog.OnOk();
    });
    EXPECT_EQ(cCostDlg::Ask(platform, "System Cost", "", CostRate{}), (CostRate{12000, "USD"}));
    platform.ExpectDialogCancel();
    EXPECT_EQ(cCostDlg::Ask(platform, "System Cost", "", CostRate{5, "EUR"}), std::nullopt);
}

}  // namespace
}  // namespace korval
