#include "desktop/cFontWarmUp.h"

#include <fontconfig/fontconfig.h>
#include <pthread.h>

#include <QFontDatabase>
#include <QStringList>
#include <atomic>

#include "framework/AnotherCore.h"

namespace korval {

namespace {

std::atomic<cFontWarmUp*> running{nullptr};
// Set before main by StartEarly, while the process has one thread.
pthread_t earlyThread;
std::atomic<bool> earlyStarted{false};

void* LoadConfiguration(void*) {
    FreeOfStartingCore();
    FcInit();
    return nullptr;
}

// Waits for the configuration started early, if it was and no warm-up took it yet.
bool JoinEarlyStart() {
    if (!earlyStarted.exchange(false)) return false;
    pthread_join(earlyThread, nullptr);
    return true;
}

}  // namespace

void cFontWarmUp::StartEarly(int argc, char** argv, char** /*environment*/) {
    if (!StartsEarly(argc, argv)) return;
    // On another core at once: the loader and Qt keep this one busy for longer than the
    // configuration takes.
    earlyStarted = CreateThreadOnAnotherCore(earlyThread, &LoadConfiguration, nullptr) == 0;
}

// The desktop takes no options (RefuseDesktopOptions): any argument like one is printing,
// an answer such as --help, or a refusal, none of which waits for the thread.
bool cFontWarmUp::StartsEarly(int argc, char** argv) {
    for (int i = 1; i < argc && argv[i] != nullptr; ++i) {
        if (argv[i][0] == '-' && argv[i][1] != '\0') return false;
    }
    return true;
}

cFontWarmUp::cFontWarmUp() : thread_([this] { Run(); }) {
    running = this;
}

cFontWarmUp::~cFontWarmUp() {
    running = nullptr;
    {
        std::lock_guard lock(mutex_);
        if (application_ == Application::kStarting) application_ = Application::kGone;
    }
    changed_.notify_all();
    Finish();
}

void cFontWarmUp::ApplicationReady() {
    SetApplication(Application::kReady);
}

void cFontWarmUp::Finish() {
    thread_.Join();
}

void cFontWarmUp::AwaitConfiguration() {
    if (cFontWarmUp* warmUp = running) warmUp->AwaitConfigured();
}

void cFontWarmUp::Run() {
    pthread_setname_np(pthread_self(), "korval-fonts");
    if (!JoinEarlyStart()) FcInit();
    {
        std::lock_guard lock(mutex_);
        configured_ = true;
    }
    changed_.notify_all();
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return application_ != Application::kStarting; });
    bool ready = application_ == Application::kReady;
    lock.unlock();
    if (ready) QFontDatabase::families();
}

void cFontWarmUp::SetApplication(Application state) {
    {
        std::lock_guard lock(mutex_);
        application_ = state;
    }
    changed_.notify_all();
}

void cFontWarmUp::AwaitConfigured() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return configured_; });
}

}  // namespace korval
