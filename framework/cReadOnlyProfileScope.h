#pragma once

#include <memory>
#include <string>

#include "framework/cIniView.h"

namespace korval {

class cReadOnlyFile;

// Reads one profile file through a read-only cIniView for the scope's lifetime, past the
// profile store: every ReadProfileValue / ReadProfileString of that path is answered from
// the view, a cProfileFileScope on it holds nothing in the store, and a write to it is
// dropped, as the uncommitted scope of a load drops it. For files that are read and never
// written while the scope lasts: a system's member projects.
class cReadOnlyProfileScope {
  public:
    explicit cReadOnlyProfileScope(std::string path);
    // The same, reading the file already open at path.
    cReadOnlyProfileScope(std::string path, cReadOnlyFile& file);
    ~cReadOnlyProfileScope();
    cReadOnlyProfileScope(const cReadOnlyProfileScope&) = delete;
    cReadOnlyProfileScope& operator=(const cReadOnlyProfileScope&) = delete;

    // The view of this thread's innermost scope on path, or null when none holds it.
    static const cIniView* ViewOf(const std::string& path);

  private:
    std::string path_;
    std::unique_ptr<cIniView> view_;
    cReadOnlyProfileScope* outer_;
};

}  // namespace korval
