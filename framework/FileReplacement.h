#pragma once

#include <string>
#include <string_view>

// Replacing a file's content so that it holds either its old or its new content, never a
// mix, and so that an interrupted replacement leaves nothing behind.
namespace korval {

// The steps of a replacement, in order.
enum class ReplaceStep { kCreate, kWrite, kSync, kLink, kRename, kSyncFolder };

struct ReplaceOutcome {
    bool ok = true;
    bool readOnly = false;  // the file exists and the user may not write it: nothing was done
    std::string reason;     // why it failed, in words for the user
};

// Writes content beside the file (through symbolic links: beside the final target, so the
// links stay), syncs it, renames it over the file and syncs the folder. The new content is
// written to an unnamed file where the filesystem allows, so a process killed while
// writing leaves no temporary file; one left by a killed earlier replacement of the same
// file is removed first.
ReplaceOutcome ReplaceFileAtomically(const std::string& path, std::string_view content);

// Fault injection for the tests: the hook runs before each step, and a step whose hook
// returns false fails as an I/O error would. nullptr removes the hook.
using ReplaceStepHook = bool (*)(ReplaceStep step);
void SetReplaceStepHook(ReplaceStepHook hook);

}  // namespace korval
