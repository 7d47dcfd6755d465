#include "framework/cProfileFileScope.h"
#include "tests/cocomo/CocomoTestSupport.h"

namespace korval::testing {
namespace {

using Tables = CocomoTest;

std::vector<std::string> Attribute(const std::string& word, int index, const std::string& name,
                                   const std::vector<std::string>& multipliers) {
    static const char* kParts[] = {"VL", "L", "N", "H", "VH", "EH"};
    char nn[3];
    std::snprintf(nn, sizeof nn, "%02d", index);
    std::vector<std::string> lines = {word + "_CDA_Name" + nn + "=" + name};
    for (std::size_t i = 0; i < multipliers.size(); ++i) {
        lines.push_back(word + "_CDA_" + kParts[i] + "_Mult" + nn + "=" + multipliers[i]);
    }
    return lines;
}

std::vector<std::string> Join(std::initializer_list<std::vector<std::string>> parts) {
    std::vector<std::string> all;
    for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

const std::vector<std::string> kNominalOnly = {"NA", "NA", "1.00", "NA", "NA", "NA"};

TEST_F(Tables, BundledProfileHasTheIntermediateMultipliers) {
    auto d = NewDocument();
    const auto& drivers = d->GetCostDrivers();
    ASSERT_EQ(drivers.size(), 15u);
    struct Case {
        std::size_t index;
        const char* group;
        const char* name;
        std::array<double, 6> multipliers;
    };
    for (const Case& c : {Case{0,
                               "Product_CDA_Group",
                               "RELY Required Software Reliability",
                               {0.75, 0.88, 1.00, 1.15, 1.40, 0}},
                          Case{2,
                               "Product_CDA_Group",
                               "CPLX Product Complexity",
                               {0.70, 0.85, 1.00, 1.15, 1.30, 1.65}},
                          Case{3,
                               "Hardware_CDA_Group",
                               "TIME Execution Time Constraint",
                               {0, 0, 1.00, 1.11, 1.30, 1.66}},
                          Case{8,
                               "Personnel_CDA_Group",
                               "AEXP Applications Experience",
                               {1.29, 1.13, 1.00, 0.91, 0.82, 0}},
                          Case{9,
                               "Personnel_CDA_Group",
                               "PCAP Programmer Capability",
                               {1.42, 1.17, 1.00, 0.86, 0.70, 0}},
                          Case{12,
                               "Project_CDA_Group",
                               "MODP Modern Programming Practices",
                               {1.24, 1.10, 1.00, 0.91, 0.82, 0}},
                          Case{13,
                               "Project_CDA_Group",
                               "TOOL Use of Software Tools",
                               {1.24, 1.10, 1.00, 0.91, 0.83, 0}}}) {
        EXPECT_EQ(drivers[c.index].GetGroup(), c.group);
        EXPECT_EQ(drivers[c.index].GetName(), c.name);
        for (int rating = 0; rating < kRatingCount; ++rating) {
            EXPECT_EQ(drivers[c.index].GetMultiplier(rating),
                      c.multipliers[static_cast<std::size_t>(rating)])
                << c.name << " rating " << rating;
        }
    }
    ModeConstants organic = d->GetModeConstants(DevelopmentMode::Organic);
    EXPECT_EQ(organic.a, 3.2);
    EXPECT_EQ(organic.te, 0.38);
    EXPECT_EQ(d->GetModeConstants(DevelopmentMode::Embedded).b, 1.20);
    EXPECT_TRUE(platform.Messages().empty());
}

TEST_F(Tables, GroupEndsAtTheFirstMissingIndex) {
    UseProfile(Join({{"[Product_CDA_Group]"},
                     Attribute("Product", 0, "A", kNominalOnly),
                     Attribute("Product", 1, "B", kNominalOnly),
                     Attribute("Product", 3, "D", kNominalOnly),
                     {"[Hardware_CDA_Group]"},
                     Attribute("Hardware", 0, "H", kNominalOnly)}));
    auto d = NewDocument();
    ASSERT_EQ(d->GetCostDrivers().size(), 3u);
    EXPECT_EQ(d->GetCostDrivers()[1].GetName(), "B");
    EXPECT_EQ(d->GetCostDrivers()[2].GetName(), "H");
    EXPECT_EQ(d->GetCostDrivers()[2].GetGroup(), "Hardware_CDA_Group");
}

TEST_F(Tables, MultiplierTexts) {
    struct Case {
        const char* text;
        double value;
        bool reported;
    };
    const Case cases[] = {{"NA", 0, false}, {"n/a", 0, false},      {"N/A", 0, false},
                          {"na", 0, false}, {"0", 0, true},         {"0.005", 0, true},
                          {"abc", 0, true}, {"1.125", 1.12, false}, {"2", 2, false}};
    std::vector<std::string> lines = {"[Product_CDA_Group]"};
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        auto attribute = Attribute("Product", static_cast<int>(i), "X",
                                   {"NA", cases[i].text, "1.00", "NA", "NA", "NA"});
        lines.insert(lines.end(), attribute.begin(), attribute.end());
    }
    lines.push_back("Product_CDA_Name09=Missing multipliers");
    UseProfile(lines);
    platform.AcceptAllMessages();
    auto d = NewDocument();
    ASSERT_EQ(d->GetCostDrivers().size(), std::size(cases) + 1);
    std::vector<std::string> expectedMessages;
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(d->GetCostDrivers()[i].GetMultiplier(kLow), cases[i].value) << cases[i].text;
        if (cases[i].reported)
            expectedMessages.push_back("Invalid profile entry:  Product_CDA_L_Mult0" +
                                       std::to_string(i));
    }
    // Every key of the attribute without multipliers is reported, in reading order.
    for (const char* part : {"VL", "L", "N", "H", "VH", "EH"}) {
        expectedMessages.push_back(std::string("Invalid profile entry:  Product_CDA_") + part +
                                   "_Mult09");
    }
    EXPECT_EQ(platform.Messages(), expectedMessages);
}

TEST_F(Tables, NominalOfNaMakesTheFactorZero) {
    UseProfile(Join({{"[Product_CDA_Group]"},
                     Attribute("Product", 0, "A", {"0.9", "NA", "NA", "1.1", "NA", "NA"})}));
    auto d = NewDocument();
    EXPECT_EQ(d->GetCostDrivers()[0].GetCurrentMultiplier(), 0);
    EXPECT_EQ(d->GetEffortAdjustmentFactor(), 0);
}

TEST_F(Tables, ModeConstants) {
    UseProfile({"[Development_Mode_Constants]", "Organic_PM_Nom_Mult=-2", "Organic_PM_Nom_Exp=abc",
                "Organic_TDEV_Mult=2.75", "Organic_TDEV_Exp=0.375", "Semidetached_PM_Nom_Mult=0"});
    auto d = NewDocument();
    ModeConstants organic = d->GetModeConstants(DevelopmentMode::Organic);
    EXPECT_EQ(organic.a, 3.2);  // negative: the built-in value stays
    EXPECT_EQ(organic.b, 0);    // no number
    EXPECT_EQ(organic.tm, 2.75);
    EXPECT_EQ(organic.te, 0.375);  // five characters are read
    EXPECT_EQ(d->GetModeConstants(DevelopmentMode::Semidetached).a, 0);
    EXPECT_EQ(d->GetModeConstants(DevelopmentMode::Embedded).te, 0);  // absent key
    EXPECT_TRUE(platform.Messages().empty());
}

TEST_F(Tables, PhaseFractions) {
    UseProfile({"[Effort_PDP_Organic]", "Effort_PDP_Org_S_Per00=-1", "Effort_PDP_Org_I_Per00=0.165",
                "Effort_PDP_Org_M_Per00=1.5", "Effort_PDP_Org_L_Per00=-0.2",
                "Effort_PDP_Org_VL_Per00=0", "Effort_PDP_Org_S_Per01=abc",
                "[Effort_PDP_Semidetached]", "Effort_PDP_Sem_VL_Per03=0.5",
                "Effort_PDP_Org_VL_Per02=0.9"});
    platform.AcceptAllMessages();
    auto d = NewDocument();
    const auto& table = d->GetPhaseDistribution();
    ASSERT_EQ(table.size(), 21u);
    EXPECT_EQ(table[0].GetName(), "Effort_PDP_Organic");
    EXPECT_EQ(table[4].GetName(), "Sched_PDP_Organic");
    EXPECT_EQ(table[20].GetName(), "Sched_PDP_Embedded");
    EXPECT_EQ(table[0].GetFraction(kSizeS), 0.16);   // -1: built-in, silently
    EXPECT_EQ(table[0].GetFraction(kSizeI), 0.16);   // 0.165 read as 0.16
    EXPECT_EQ(table[0].GetFraction(kSizeM), 0.16);   // 1.5 reported, built-in
    EXPECT_EQ(table[0].GetFraction(kSizeL), 0.16);   // -0.2 reported, built-in
    EXPECT_EQ(table[0].GetFraction(kSizeVL), 0);     // 0 accepted
    EXPECT_EQ(table[1].GetFraction(kSizeS), 0.26);   // no number: reported, built-in
    EXPECT_EQ(table[10].GetFraction(kSizeVL), 0.5);  // the defaults profile's own key name
    EXPECT_EQ(table[9].GetFraction(kSizeVL), 0.29);  // the model file's key name is not read here
    EXPECT_EQ(platform.Messages(),
              (std::vector<std::string>{"Invalid profile entry:  Effort_PDP_Org_M_Per00",
                                        "Invalid profile entry:  Effort_PDP_Org_L_Per00",
                                        "Invalid profile entry:  Effort_PDP_Org_S_Per01"}));
}

TEST_F(Tables, EveryBuiltInFractionWithoutProfileEntries) {
    UseProfile({"; nothing"});
    auto d = NewDocument();
    const auto& table = d->GetPhaseDistribution();
    ASSERT_EQ(table.size(), 21u);
    for (int row = 0; row < 21; ++row) {
        for (int sizeClass = 0; sizeClass < kSizeClassCount; ++sizeClass) {
            EXPECT_EQ(table[static_cast<std::size_t>(row)].GetFraction(sizeClass),
                      BuiltInPhaseFractions(row)[static_cast<std::size_t>(sizeClass)]);
        }
    }
    // Each mode's efforts add up to the whole, and so do its schedules.
    for (int mode = 0; mode < 3; ++mode) {
        for (int sizeClass = 0;
             sizeClass < (mode == ModeIndex(DevelopmentMode::Organic) ? kSizeVL : kSizeClassCount);
             ++sizeClass) {
            double effort = 0, schedule = 0;
            for (int offset = 0; offset < 4; ++offset)
                effort += table[static_cast<std::size_t>(7 * mode + offset)].GetFraction(sizeClass);
            for (int offset = 4; offset < 7; ++offset)
                schedule +=
                    table[static_cast<std::size_t>(7 * mode + offset)].GetFraction(sizeClass);
            EXPECT_NEAR(effort, 1, 1e-9) << mode << "/" << sizeClass;
            EXPECT_NEAR(schedule, 1, 1e-9) << mode << "/" << sizeClass;
        }
    }
}

TEST_F(Tables, LongKeyPrefixesAreCutAtTwentyEightCharacters) {
    EXPECT_EQ(NumberedKey("Product_CDA_Name", 7), "Product_CDA_Name07");
    EXPECT_EQ(NumberedKey("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789", 12),
              "ABCDEFGHIJKLMNOPQRSTUVWXYZ0112");
    EXPECT_EQ(InvalidProfileEntryText(std::string(50, 'k')),
              "Invalid profile entry:  " + std::string(40, 'k'));
}

}  // namespace
}  // namespace korval::testing
