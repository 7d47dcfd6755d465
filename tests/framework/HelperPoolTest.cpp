#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <thread>
#include <vector>

#include "framework/cHelperPool.h"

namespace korval {
namespace {

// Each job must run exactly once and all of them before Run returns, however many helpers
// are asked for, and with several runs sharing the pool at once.
TEST(HelperPoolTest, RunsEveryJobOnceBeforeReturning) {
    cHelperPool pool;
    const std::pair<std::int64_t, unsigned> cases[] = {{0, 3},  {1, 3},  {5, 0},
                                                       {79, 1}, {79, 7}, {1000, 2}};
    for (const auto& [count, helpers] : cases) {
        SCOPED_TRACE(testing::Message() << count << " jobs, " << helpers << " helpers");
        std::vector<std::atomic<int>> runs(static_cast<std::size_t>(count));
        pool.Run(count, helpers, [&](std::int64_t i) { runs[static_cast<std::size_t>(i)]++; });
        for (const std::atomic<int>& ran : runs) ASSERT_EQ(ran.load(), 1);
    }
}

TEST(HelperPoolTest, RunsFromSeveralThreadsShareThePool) {
    cHelperPool pool;
    constexpr int kCallers = 4;
    constexpr std::int64_t kJobs = 500;
    std::vector<std::vector<std::atomic<int>>> runs(kCallers);
    for (auto& caller : runs) caller = std::vector<std::atomic<int>>(kJobs);
    {
        std::vector<std::jthread> callers;
        for (int c = 0; c < kCallers; ++c) {
            callers.emplace_back([&, c] {
                for (int round = 0; round < 20; ++round) {
                    pool.Run(kJobs, 2, [&](std::int64_t i) {
                        runs[static_cast<std::size_t>(c)][static_cast<std::size_t>(i)]++;
                    });
                }
            });
        }
    }
    for (const auto& caller : runs) {
        for (const std::atomic<int>& ran : caller) ASSERT_EQ(ran.load(), 20);
    }
}

// A job that throws on a helper thread would end the program: the caller gets the exception.
TEST(HelperPoolTest, AJobsExceptionReachesTheCallerAndThePoolGoesOn) {
    EXPECT_THROW(cHelperPool::Shared().Run(1000, 3,
                                           [](std::int64_t index) {
                                               if (index == 10) throw std::domain_error("bad");
                                           }),
                 std::domain_error);
    std::atomic<int> ran{0};
    cHelperPool::Shared().Run(10, 3, [&](std::int64_t) { ++ran; });
    EXPECT_EQ(ran.load(), 10);
}

}  // namespace
}  // namespace korval
