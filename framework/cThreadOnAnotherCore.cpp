#include "framework/cThreadOnAnotherCore.h"

#include <system_error>

#include "framework/AnotherCore.h"

namespace korval {

cThreadOnAnotherCore::cThreadOnAnotherCore(std::function<void()> body) : body_(std::move(body)) {
    pthread_attr_t attributes;
    ::pthread_attr_init(&attributes);
    bool aimed = AimAtAnotherCore(attributes);
    int failed = ::pthread_create(&thread_, &attributes, &Run, this);
    ::pthread_attr_destroy(&attributes);
    // A core the process may use can still be refused (a container's narrower set): then
    // the thread starts where threads start.
    if (failed != 0 && aimed) failed = ::pthread_create(&thread_, nullptr, &Run, this);
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
