#include <gtest/gtest.h>

#include <boost/math/distributions/beta.hpp>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "simulation/Distributions.h"
#include "simulation/PertShape.h"
#include "simulation/cBetaQuantileTable.h"
#include "simulation/cSamplerFactory.h"
#include "simulation/cTrialDraws.h"

namespace korval {
namespace {

constexpr int kDraws = 40000;

struct MomentCase {
    std::string name;
    std::function<double(double)> quantile;
    double mean;
    double variance;
};

std::vector<MomentCase> MomentCases() {
    ThreePointEstimate skewed{10, 20, 60};
    ThreePointEstimate symmetric{5, 10, 15};
    ThreePointEstimate modeAtLow{100, 100, 400};
    cSamplerFactory samplers;
    auto tabulated = samplers.Make(skewed, ThreePointShape::Pert);
    auto variance = [](ThreePointShape shape, const ThreePointEstimate& e) {
        return ThreePointVariance(shape, e);
    };
    auto mean = [](ThreePointShape shape, const ThreePointEstimate& e) {
        return ThreePointMean(shape, e);
    };
    using S = ThreePointShape;
    double sigma = 0.4;
    return {
        {"triangular skewed", [=](double p) { return TriangularQuantile(skewed, p); },
         mean(S::Triangular, skewed), variance(S::Triangular, skewed)},
        {"triangular mode at optimistic",
         [=](double p) { return TriangularQuantile(modeAtLow, p); }, mean(S::Triangular, modeAtLow),
         variance(S::Triangular, modeAtLow)},
        {"PERT skewed", [=](double p) { return PertQuantile(skewed, p); }, mean(S::Pert, skewed),
         variance(S::Pert, skewed)},
        {"PERT symmetric", [=](double p) { return PertQuantile(symmetric, p); },
         mean(S::Pert, symmetric), variance(S::Pert, symmetric)},
        {"PERT tabulated", [=](double p) { return tabulated->Quantile(p); }, mean(S::Pert, skewed),
         variance(S::Pert, skewed)},
        {"normal", [](double p) { return NormalQuantile(12, 3, p); }, 12, 9},
        {"log-normal", [=](double p) { return LogNormalQuantile(0, sigma, p); },
         std::exp(sigma * sigma / 2), (std::exp(sigma * sigma) - 1) * std::exp(sigma * sigma)},
    };
}

TEST(DistributionsTest, SampleMeanAndVarianceMatchTheClosedForms) {
    for (const MomentCase& c : MomentCases()) {
        SCOPED_TRACE(c.name);
        double sum = 0;
        double squares = 0;
        for (int trial = 0; trial < kDraws; ++trial) {
            cTrialDraws draws(7, static_cast<std::uint64_t>(trial), false);
            double x = c.quantile(draws.Uniform(kSizeDraw));
            sum += x;
            squares += x * x;
        }
        double mean = sum / kDraws;
        double variance = (squares - kDraws * mean * mean) / (kDraws - 1);
        double meanError = std::sqrt(c.variance / kDraws);
        EXPECT_NEAR(mean, c.mean, 4 * meanError);
        // The variance's standard error is at most a few times variance x sqrt(2 / n) for
        // these light-tailed shapes.
        EXPECT_NEAR(variance, c.variance, 4 * c.variance * std::sqrt(8.0 / kDraws));
    }
}

TEST(DistributionsTest, TriangularQuantileMeetsItsEndsAndMode) {
    ThreePointEstimate e{10, 20, 60};
    double modeShare = (20.0 - 10) / (60 - 10);
    EXPECT_NEAR(TriangularQuantile(e, 1e-12), 10, 1e-3);
    EXPECT_NEAR(TriangularQuantile(e, modeShare), 20, 1e-12);
    EXPECT_NEAR(TriangularQuantile(e, 1 - 1e-12), 60, 1e-3);
    EXPECT_EQ(TriangularQuantile({7, 7, 7}, 0.3), 7);
    EXPECT_EQ(PertQuantile({7, 7, 7}, 0.3), 7);
}

TEST(DistributionsTest, TabulatedBetaQuantileFollowsTheExactOne) {
    using Policy = boost::math::policies::policy<boost::math::policies::promote_double<false>>;
    for (PertShape shape :
         {PertShape{1, 5}, PertShape{5, 1}, PertShape{3, 3}, PertShape{1.8, 4.2}}) {
        SCOPED_TRACE(testing::Message() << shape.alpha << ", " << shape.beta);
        cBetaQuantileTable table(shape);
        boost::math::beta_distribution<double, Policy> beta(shape.alpha, shape.beta);
        std::vector<double> points;
        for (int i = 1; i < 10000; ++i) points.push_back(i / 10000.0);
        for (double tail = 1e-9; tail < 1e-4; tail *= 3.7) {
            points.push_back(tail);
            points.push_back(1 - tail);
        }
        double worst = 0;
        for (double p : points)
            worst = std::max(worst, std::abs(table.Quantile(p) - boost::math::quantile(beta, p)));
        EXPECT_LT(worst, 1e-8);
    }
}

TEST(DistributionsTest, TrialDrawsDependOnSeedAndTrialOnly) {
    cTrialDraws first(5, 42, false);
    cTrialDraws again(5, 42, false);
    cTrialDraws otherTrial(5, 43, false);
    cTrialDraws otherSeed(6, 42, false);
    double a = first.Uniform(kSizeDraw);
    EXPECT_EQ(a, again.Uniform(kSizeDraw));
    EXPECT_NE(a, otherTrial.Uniform(kSizeDraw));
    EXPECT_NE(a, otherSeed.Uniform(kSizeDraw));
    EXPECT_GT(a, 0);
    EXPECT_LT(a, 1);
}

TEST(DistributionsTest, SharedDrawsRepeatPerSlotAndIndependentOnesDoNot) {
    cTrialDraws shared(1, 0, true);
    double size = shared.Uniform(kSizeDraw);
    double driver = shared.Uniform(kFirstDriverDraw);
    EXPECT_EQ(shared.Uniform(kSizeDraw), size);
    EXPECT_EQ(shared.Uniform(kFirstDriverDraw), driver);
    EXPECT_NE(size, driver);
    cTrialDraws independent(1, 0, false);
    EXPECT_NE(independent.Uniform(kSizeDraw), independent.Uniform(kSizeDraw));
}

}  // namespace
}  // namespace korval
