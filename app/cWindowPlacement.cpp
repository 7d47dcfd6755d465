#include "app/cWindowPlacement.h"

#include <cerrno>
#include <cstdlib>
#include <limits>
#include <vector>

#include "framework/NumberText.h"

namespace korval {

namespace {

std::optional<long> ParseWholeInteger(std::string_view token) {
    std::string text(token);
    errno = 0;
    char* end = nullptr;
    long value = std::strtol(text.c_str(), &end, 10);
    if (end == text.c_str() || *end != '\0' || errno == ERANGE) return std::nullopt;
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        return std::nullopt;
    return value;
}

std::vector<std::string_view> SplitBlanks(std::string_view text) {
    std::vector<std::string_view> tokens;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
        std::size_t start = i;
        while (i < text.size() && text[i] != ' ' && text[i] != '\t') ++i;
        if (i > start) tokens.push_back(text.substr(start, i - start));
    }
    return tokens;
}

}  // namespace

std::string cWindowPlacement::Format() const {
    return FormatNumber("%u %u %d %d %d %d %d %d %d %d", flags, showState, minX, minY, maxX, maxY,
                        left, top, right, bottom);
}

std::optional<cWindowPlacement> cWindowPlacement::Parse(std::string_view text) {
    std::vector<std::string_view> tokens = SplitBlanks(text);
    if (tokens.size() < 10) return std::nullopt;
    long numbers[10];
    for (int i = 0; i < 10; ++i) {
        std::optional<long> value = ParseWholeInteger(tokens[i]);
        if (!value) return std::nullopt;
        numbers[i] = *value;
    }
    cWindowPlacement p;
    p.flags = static_cast<unsigned>(numbers[0]);
    p.showState = static_cast<unsigned>(numbers[1]);
    p.minX = static_cast<int>(numbers[2]);
    p.minY = static_cast<int>(numbers[3]);
    p.maxX = static_cast<int>(numbers[4]);
    p.maxY = static_cast<int>(numbers[5]);
    p.left = static_cast<int>(numbers[6]);
    p.top = static_cast<int>(numbers[7]);
    p.right = static_cast<int>(numbers[8]);
    p.bottom = static_cast<int>(numbers[9]);
    return p;
}

unsigned cWindowPlacement::StartupShowState(unsigned requested) const {
    unsigned state = requested != kShowNormal ? requested : showState;
    if (requested == kShowNormal && state == kShowMinimized) {
        state = (flags & kRestoreToMaximized) ? kShowMaximized : kShowNormal;
    }
    if (state != kShowMinimized && state != kShowMaximized) state = kShowNormal;
    return state;
}

}  // namespace korval
