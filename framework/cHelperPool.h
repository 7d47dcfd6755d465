#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

#include "framework/cThreadOnAnotherCore.h"

namespace korval {

// Threads kept between runs to help with a run's jobs. Starting a thread for every run
// costs more than the trials of a small run, and waiting for a helper that the system has
// not scheduled yet costs more still on a busy machine; so the calling thread works
// through its run's jobs itself, the pool's threads take jobs beside it when they wake,
// and the caller waits only for the jobs a helper took. A helper that wakes after the
// last job was taken finds nothing to do and never touches the caller's work.
class cHelperPool {
  public:
    cHelperPool() = default;
    ~cHelperPool();
    cHelperPool(const cHelperPool&) = delete;
    cHelperPool& operator=(const cHelperPool&) = delete;

    // The pool of the program's runs, kept until the program ends.
    static cHelperPool& Shared();

    // Runs job(0), ..., job(count - 1), each once, on the calling thread and up to `helpers`
    // of the pool's threads (started as first needed); returns when every job has run. The
    // first exception a job throws is thrown here, once every job taken has ended.
    void Run(std::int64_t count, unsigned helpers, const std::function<void(std::int64_t)>& job);

    // The items 0 to count - 1 in runs of `perRun` on the calling thread and every other core:
    // job(run, first, last) takes the items from first up to last.
    using RunOfItems = std::function<void(std::size_t run, std::size_t first, std::size_t last)>;
    static void RunOnEveryCore(std::size_t count, std::size_t perRun, const RunOfItems& job);

  private:
    struct Batch;

    void Serve();
    void StartHelpers(unsigned helpers);
    static void Work(Batch& batch);

    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<std::shared_ptr<Batch>> batches_;
    bool stopping_ = false;
    std::vector<std::unique_ptr<cThreadOnAnotherCore>> threads_;
};

}  // namespace korval
