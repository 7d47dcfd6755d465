#pragma once

#include <memory>

class QGuiApplication;

namespace korval {

// A Qt application on the offscreen platform for output written without a display (PDF,
// SVG, PNG), held while it lives; none when the process already has one. Qt's remarks
// about its environment are kept off the command line's stderr meanwhile.
class cOffscreenApplication {
  public:
    cOffscreenApplication();
    ~cOffscreenApplication();
    cOffscreenApplication(const cOffscreenApplication&) = delete;
    cOffscreenApplication& operator=(const cOffscreenApplication&) = delete;

  private:
    std::unique_ptr<QGuiApplication> ownApplication_;
};

}  // namespace korval
