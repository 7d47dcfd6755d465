#pragma once

#include <optional>
#include <string>
#include <vector>

#include "framework/cDocumentKind.h"

namespace korval {

// The texts of one command: menu entry, status-bar prompt and tool tip (the string
// table's "prompt\ntip"), shortcut and the glyph of its toolbar button.
struct cCommandInfo {
    int id;
    const char* menuText;
    const char* prompt;
    const char* shortcut;
    const char* glyph;

    std::string StatusText() const;
    std::string ToolTip() const;
};

struct cMenuLayout {
    const char* title;
    std::vector<int> items;  // command ids; commands::kSeparator, commands::kRecentFiles
};

struct cToolbarLayout {
    int barId;
    const char* caption;
    std::vector<int> buttons;  // command ids; commands::kSeparator
};

class cCommandTable {
  public:
    static const std::vector<cCommandInfo>& All();
    static const cCommandInfo* Find(int id);
    // The menu bar with no document open (kind empty) or for a document kind.
    static std::vector<cMenuLayout> MenuBar(std::optional<DocumentKind> kind);
    // The seven toolbars in creation order.
    static const std::vector<cToolbarLayout>& Toolbars();
    // Commands that need no document (the frame handles them).
    static bool IsFrameCommand(int id);
};

}  // namespace korval
