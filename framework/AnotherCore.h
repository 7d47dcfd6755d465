#pragma once

#include <pthread.h>

namespace korval {

// A new thread waits in the run queue of the core its maker runs on until the scheduler
// next balances the cores (about 4 ms on these machines) whenever its maker keeps that core
// busy, as a program starting up does, though another core is idle. A thread aimed at
// another core starts there at once, then frees itself to run anywhere.

// pthread_create for a thread aimed at a core, other than the caller's, that the process
// may use; where there is none, or it is refused (a container's narrower set), the thread
// starts where threads start. Returns what pthread_create returned.
int CreateThreadOnAnotherCore(pthread_t& thread, void* (*start)(void*), void* argument);
// What such a thread does first: lets itself run on every core the process may use again.
void FreeOfStartingCore();

}  // namespace korval
