#include <gtest/gtest.h>
#include <sched.h>
#include <unistd.h>

#include <atomic>

#include "framework/cThreadOnAnotherCore.h"

namespace korval {
namespace {

cpu_set_t CoresOf(pid_t thread) {
    cpu_set_t cores;
    CPU_ZERO(&cores);
    EXPECT_EQ(::sched_getaffinity(thread, sizeof cores, &cores), 0);
    return cores;
}

// A thread aimed at another core must not stay tied to it: the helpers of a pool live as
// long as the program and would otherwise never run where the scheduler wants them.
TEST(ThreadOnAnotherCoreTest, RunsItsWorkFreeToUseEveryCoreOfTheProcess) {
    const cpu_set_t process = CoresOf(::getpid());
    for (int i = 0; i < 20; ++i) {
        std::atomic<bool> ran = false;
        cpu_set_t own;
        {
            cThreadOnAnotherCore thread([&] {
                own = CoresOf(0);
                ran = true;
            });
        }
        ASSERT_TRUE(ran);
        EXPECT_TRUE(CPU_EQUAL(&own, &process)) << CPU_COUNT(&own) << " of " << CPU_COUNT(&process);
    }
}

}  // namespace
}  // namespace korval
