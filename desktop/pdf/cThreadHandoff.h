#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>

namespace korval {

// Work handed from other threads to the one thread that serves it, each call waiting for
// its result: the PDF renderer reads a document on a thread of its own while the serving
// thread starts Qt, which then draws the pages on the thread it started on.
class cThreadHandoff {
  public:
    // From another thread: runs work on the serving thread and returns what it returned.
    int Call(const std::function<int()>& work);
    // From another thread: no more calls will come; Serve returns status.
    void Finish(int status);
    // On the serving thread: runs each call's work until Finish, and returns its status.
    int Serve();

  private:
    std::mutex mutex_;
    std::condition_variable changed_;
    const std::function<int()>* work_ = nullptr;
    std::optional<int> result_;
    std::optional<int> finished_;
};

}  // namespace korval
