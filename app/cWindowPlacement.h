#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace korval {

// The main window's placement as the settings store keeps it under "Settings"/"WindowPos":
// ten numbers, "%u %u %d %d %d %d %d %d %d %d" (flags, show state, minimised and
// maximised positions, normal rectangle left, top, right, bottom).
struct cWindowPlacement {
    static constexpr unsigned kRestoreToMaximized = 2;
    static constexpr unsigned kShowNormal = 1;
    static constexpr unsigned kShowMinimized = 2;
    static constexpr unsigned kShowMaximized = 3;

    unsigned flags = 0;
    unsigned showState = kShowNormal;
    int minX = -1;
    int minY = -1;
    int maxX = -1;
    int maxY = -1;
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    std::string Format() const;
    // Nothing unless the text starts with ten whole numbers.
    static std::optional<cWindowPlacement> Parse(std::string_view text);

    // The show state to start with: the saved one, unless the program was asked for
    // something other than a normal window. A window saved minimised comes back in the
    // state it would be restored to, so the program never starts out of sight.
    unsigned StartupShowState(unsigned requested) const;
};

}  // namespace korval
