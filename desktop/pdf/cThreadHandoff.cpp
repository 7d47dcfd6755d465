#include "desktop/pdf/cThreadHandoff.h"

namespace korval {

int cThreadHandoff::Call(const std::function<int()>& work) {
    std::unique_lock lock(mutex_);
    work_ = &work;
    changed_.notify_all();
    changed_.wait(lock, [this] { return result_.has_value(); });
    int result = *result_;
    result_.reset();
    return result;
}

void cThreadHandoff::Finish(int status) {
    std::lock_guard lock(mutex_);
    finished_ = status;
    changed_.notify_all();
}

int cThreadHandoff::Serve() {
    std::unique_lock lock(mutex_);
    while (true) {
        changed_.wait(lock, [this] { return work_ != nullptr || finished_.has_value(); });
        if (work_ == nullptr) return *finished_;
        const std::function<int()>* work = work_;
        work_ = nullptr;
        lock.unlock();
        int result = (*work)();
        lock.lock();
        result_ = result;
        changed_.notify_all();
    }
}

}  // namespace korval
