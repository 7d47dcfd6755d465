#include "framework/cThreadOnAnotherCore.h"

#include <system_error>

#include "framework/AnotherCore.h"

namespace korval {

cThreadOnAnotherCore::cThreadOnAnotherCore(std::function<void()> body) : body_(std::move(body)) {
    int failed = CreateThreadOnAnotherCore(thread_, &Run, this);
    if (failed != 0) throw std::system_error(failed, std::generic_category(), "pthread_create");
    joinable_ = true;
}

cThreadOnAnotherCore::~cThreadOnAnotherCore() {
    Join();
}

void cThreadOnAnotherCore::Join() {
    if (!joinable_) return;
    ::pthread_join(thread_, nullptr);
    joinable_ = false;
}

void* cThreadOnAnotherCore::Run(void* self) {
    FreeOfStartingCore();
    static_cast<cThreadOnAnotherCore*>(self)->body_();
    return nullptr;
}

}  // namespace korval
