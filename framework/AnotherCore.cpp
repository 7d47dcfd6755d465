#include "framework/AnotherCore.h"

#include <sched.h>
#include <unistd.h>

namespace korval {

namespace {

// The cores of the process's first thread, which never narrows its own.
bool ProcessCores(cpu_set_t& cores) {
    CPU_ZERO(&cores);
    return ::sched_getaffinity(::getpid(), sizeof cores, &cores) == 0;
}

// Sets the attributes so that the thread starts on another core; false, the attributes
// unchanged, when there is none.
bool AimAtAnotherCore(pthread_attr_t& attributes) {
    cpu_set_t others;
    int here = ::sched_getcpu();
    if (!ProcessCores(others) || here < 0) return false;
    CPU_CLR(here, &others);
    return CPU_COUNT(&others) > 0 &&
           ::pthread_attr_setaffinity_np(&attributes, sizeof others, &others) == 0;
}

}  // namespace

int CreateThreadOnAnotherCore(pthread_t& thread, void* (*start)(void*), void* argument) {
    pthread_attr_t attributes;
    ::pthread_attr_init(&attributes);
    bool aimed = AimAtAnotherCore(attributes);
    int failed = ::pthread_create(&thread, &attributes, start, argument);
    ::pthread_attr_destroy(&attributes);
    if (failed != 0 && aimed) failed = ::pthread_create(&thread, nullptr, start, argument);
    return failed;
}

void FreeOfStartingCore() {
    cpu_set_t cores;
    if (ProcessCores(cores)) ::pthread_setaffinity_np(::pthread_self(), sizeof cores, &cores);
}

}  // namespace korval
