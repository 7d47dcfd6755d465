#pragma once

#include <condition_variable>
#include <mutex>

#include "framework/cThreadOnAnotherCore.h"

namespace korval {

// The fonts are the largest part of the start before the main window's first paint, and
// nothing before the first text is measured needs them: fontconfig reads and parses its
// whole configuration (every file under /etc/fonts), then Qt lists every installed font.
// Both run on a thread of their own from the program's start, while Qt loads its plugins
// and the main frame builds its actions and toolbars:
// - fontconfig's configuration at once (FcInit keeps it for the whole process);
// - Qt's font database once the application exists (QFontDatabase is thread-safe: the
//   main thread asking for a font meanwhile waits for the list instead of making its own).
// AwaitConfiguration() goes before the first text is measured, or Qt would parse the
// configuration a second time; Finish() before the application ends.
// The desktop's executable starts the configuration's loading sooner still, from its
// pre-initialisation functions (StartEarly), which run before the libraries' own
// initialisers: fontconfig and the libraries it reads with need none of theirs.
class cFontWarmUp {
  public:
    // Starts loading fontconfig's configuration at once when the arguments start the
    // desktop (no option among them); the next warm-up constructed takes the work over.
    static void StartEarly(int argc, char** argv, char** environment);
    static bool StartsEarly(int argc, char** argv);

    cFontWarmUp();
    // Leaves Qt's fonts alone if the application never became ready, then waits.
    ~cFontWarmUp();
    cFontWarmUp(const cFontWarmUp&) = delete;
    cFontWarmUp& operator=(const cFontWarmUp&) = delete;

    // The QGuiApplication exists: the thread may list Qt's fonts.
    void ApplicationReady();
    // Waits for the thread to end; the application may end after it.
    void Finish();
    // Waits for fontconfig's configuration of this process's warm-up, if one runs.
    static void AwaitConfiguration();

  private:
    enum class Application { kStarting, kReady, kGone };

    void Run();
    void SetApplication(Application state);
    void AwaitConfigured();

    std::mutex mutex_;
    std::condition_variable changed_;
    bool configured_ = false;
    Application application_ = Application::kStarting;
    cThreadOnAnotherCore thread_;  // last: it starts once the members above exist
};

}  // namespace korval
