#pragma once

#include <pthread.h>

#include <functional>

namespace korval {

// A thread that starts on another core than its maker's at once (see AnotherCore.h), so
// that work handed to it while its maker is busy begins now rather than a few milliseconds
// later. Joined when destroyed, as std::jthread is.
class cThreadOnAnotherCore {
  public:
    explicit cThreadOnAnotherCore(std::function<void()> body);
    ~cThreadOnAnotherCore();
    cThreadOnAnotherCore(const cThreadOnAnotherCore&) = delete;
    cThreadOnAnotherCore& operator=(const cThreadOnAnotherCore&) = delete;

    void Join();

  private:
    static void* Run(void* self);

    std::function<void()> body_;
    pthread_t thread_{};
    bool joinable_ = false;
};

}  // namespace korval
