#pragma once

#include <pthread.h>

namespace korval {

// A new thread waits in the run queue of the core its maker runs on until the scheduler
// next balances the cores (about 4 ms on these machines) whenever its maker keeps that core
// busy, as a program starting up does, though another core is idle. A thread aimed at
// another core starts there at once, then frees itself to run anywhere.

// Sets the attributes of a thread to be made so that it starts on a core, other than the
// caller's, that the process may use; false, the attributes unchanged, when there is none.
bool AimAtAnotherCore(pthread_attr_t& attributes);
// What such a thread does first: lets itself run on every core the process may use again.
void FreeOfStartingCore();

}  // namespace korval
