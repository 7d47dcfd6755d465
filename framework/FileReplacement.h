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

// Whether a symbolic link at the path is followed. A user's document may well be reached
// through a link; a file Korval makes for itself (the user's defaults profile) never is, so
// that a link planted in its place cannot turn a write into one of another file.
enum class LinkRule { kFollow, kRefuse };

// Writes content beside the file (through symbolic links: beside the final target, so the
// links stay), syncs it, renames it over the file and syncs the folder. The new content is
// written to an unnamed file where the filesystem allows, so a process killed while
// writing leaves no temporary file; one left by a killed earlier replacement of the same
// file is removed first, unless a running replacement still holds it (each holds a lock on
// its temporary file until it is renamed). With LinkRule::kRefuse a link at path is refused.
ReplaceOutcome ReplaceFileAtomically(const std::string& path, std::string_view content,
                                     LinkRule links = LinkRule::kFollow);

// Fault injection for the tests: the hook runs before each step, and a step whose hook
// returns false fails as an I/O error would. nullptr removes the hook.
using ReplaceStepHook = bool (*)(ReplaceStep step);
void SetReplaceStepHook(ReplaceStepHook hook);

}  // namespace korval
