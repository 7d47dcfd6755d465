#include <gtest/gtest.h>

#include "cocomo/cCostDriverAttribute.h"

namespace korval {
namespace {

cCostDriverAttribute Reliability() {
    return cCostDriverAttribute("Product_CDA_Group", "RELY Required Software Reliability",
                                {0.75, 0.88, 1.00, 1.15, 1.40, 0});
}

TEST(CostDriverAttribute, StartsAtNominal) {
    cCostDriverAttribute rely = Reliability();
    EXPECT_EQ(rely.GetCurrentMultiplier(), 1.00);
    EXPECT_EQ(rely.GetRating(), kNominal);
    EXPECT_EQ(rely.RatingText(), "Nominal   ");
    EXPECT_FALSE(rely.IsRatingDefined(kExtraHigh));

    cCostDriverAttribute empty;
    EXPECT_EQ(empty.GetName(), "");
    EXPECT_EQ(empty.GetCurrentMultiplier(), 0);
    EXPECT_EQ(empty.GetRating(), kRatingUndefined);
}

TEST(CostDriverAttribute, MultiplierSetterKeepsZeroOrAtLeastOneHundredth) {
    struct Case {
        double value;
        double stored;
    };
    for (Case c :
         {Case{0.01, 0.01}, Case{0, 0}, Case{2.5, 2.5}, Case{0.005, 0.88}, Case{-1, 0.88}}) {
        cCostDriverAttribute rely = Reliability();
        rely.SetMultiplier(kLow, c.value);
        EXPECT_EQ(rely.GetMultiplier(kLow), c.stored) << c.value;
    }
}

TEST(CostDriverAttribute, CurrentMultiplierOnlyTakesADefinedRating) {
    cCostDriverAttribute rely = Reliability();
    EXPECT_TRUE(rely.SetCurrentMultiplier(1.15));
    EXPECT_EQ(rely.GetRating(), kHigh);
    EXPECT_FALSE(rely.SetCurrentMultiplier(1.07));
    EXPECT_FALSE(rely.SetCurrentMultiplier(1.16));
    // Extra High is not defined (0): 0 is no rating to choose.
    EXPECT_FALSE(rely.SetCurrentMultiplier(0));
    EXPECT_EQ(rely.GetRating(), kHigh);
    EXPECT_EQ(rely.RatingText(), "High      ");
}

TEST(CostDriverAttribute, RatingTextsAreTenCharacters) {
    const char* expected[kRatingCount] = {"Very Low  ", "Low       ", "Nominal   ",
                                          "High      ", "Very High ", "Extra High"};
    cCostDriverAttribute cplx("Product_CDA_Group", "CPLX", {0.70, 0.85, 1.00, 1.15, 1.30, 1.65});
    for (int rating = 0; rating < kRatingCount; ++rating) {
        ASSERT_TRUE(cplx.SetCurrentMultiplier(cplx.GetMultiplier(rating)));
        EXPECT_EQ(cplx.RatingText(), expected[rating]);
        EXPECT_EQ(cplx.RatingText().size(), 10u);
    }
}

TEST(CostDriverAttribute, FirstEqualRatingWins) {
    cCostDriverAttribute flat("Project_CDA_Group", "FLAT", {0, 0, 1.00, 1.00, 1.10, 0});
    EXPECT_EQ(flat.GetRating(), kNominal);
    EXPECT_TRUE(flat.SetCurrentMultiplier(1.00));
    EXPECT_EQ(flat.GetRating(), kNominal);
}

TEST(CostDriverAttribute, UndefinedNominalLeavesTheRatingUndefined) {
    // A Nominal of NA starts the attribute at 0, which no defined rating has.
    cCostDriverAttribute odd("Hardware_CDA_Group", "ODD", {0, 0.87, 0, 1.15, 0, 0});
    EXPECT_EQ(odd.GetCurrentMultiplier(), 0);
    EXPECT_EQ(odd.GetRating(), kRatingUndefined);
    EXPECT_EQ(odd.RatingText(), "?       ");
}

TEST(CostDriverAttribute, CopyTakesEveryField) {
    cCostDriverAttribute source = Reliability();
    source.SetCurrentMultiplier(1.40);
    cCostDriverAttribute target;
    target = source;
    EXPECT_EQ(target.GetGroup(), "Product_CDA_Group");
    EXPECT_EQ(target.GetName(), source.GetName());
    EXPECT_EQ(target.GetMultiplier(kVeryLow), 0.75);
    EXPECT_EQ(target.GetRating(), kVeryHigh);
}

}  // namespace
}  // namespace korval
