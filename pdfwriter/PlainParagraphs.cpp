#include "pdfwriter/PlainParagraphs.h"

#include <optional>

namespace korval {

namespace {

// A stretch of a paragraph between two places where a line may break, with the spaces
// before it (none where the break falls within a word).
struct Segment {
    std::string_view spaces;
    std::string_view text;
};

// Splits a word (no spaces) where Qt allows a break within it, appending its segments;
// false where its breaks are not known: a pair of characters whose break depends on more
// than the pair, or a word Qt does not allow a break before after spaces (whether Qt's
// layout breaks there all the same is not known here).
bool AppendWord(std::string_view spaces, std::string_view word, std::optional<char> before,
                const PrintFontMetrics& font, std::vector<Segment>& segments) {
    if (before && font.BreakAfterSpaces(*before, word.front()) != '1') return false;
    std::size_t start = 0;
    for (std::size_t at = 1; at < word.size(); ++at) {
        const char rule = font.BreakWithin(
            PrintFontMetrics::ContextOf(at >= 2 ? &word[at - 2] : nullptr), word[at - 1], word[at]);
        if (rule == '0') continue;
        if (rule != '1') return false;
        segments.push_back(
            {start == 0 ? spaces : std::string_view(), word.substr(start, at - start)});
        start = at;
    }
    segments.push_back({start == 0 ? spaces : std::string_view(), word.substr(start)});
    return true;
}

// The segments of a paragraph; none where its breaks are not known. Spaces at its end hang
// and are left out.
std::optional<std::vector<Segment>> SegmentsOf(std::string_view paragraph,
                                               const PrintFontMetrics& font) {
    std::vector<Segment> segments;
    std::optional<char> endOfWordBefore;
    for (std::size_t at = 0; at < paragraph.size();) {
        std::size_t wordStart = paragraph.find_first_not_of(' ', at);
        if (wordStart == std::string_view::npos) break;
        std::size_t wordEnd = std::min(paragraph.find(' ', wordStart), paragraph.size());
        std::string_view word = paragraph.substr(wordStart, wordEnd - wordStart);
        if (!AppendWord(paragraph.substr(at, wordStart - at), word, endOfWordBefore, font,
                        segments))
            return std::nullopt;
        endOfWordBefore = word.back();
        at = wordEnd;
    }
    return segments;
}

// One paragraph's lines appended; false where only Qt's layout knows them.
bool BreakParagraph(std::string_view paragraph, const PrintFontMetrics& font, std::int64_t width64,
                    std::vector<std::string>& lines) {
    if (paragraph.empty()) {
        lines.emplace_back();
        return true;
    }
    if (paragraph.front() == ' ') return false;
    std::optional<std::vector<Segment>> segments = SegmentsOf(paragraph, font);
    if (!segments) return false;
    // Widths within this of the line's width are too close to call.
    const std::int64_t doubtful = font.largestOverhang + 64;
    std::string line;
    std::int64_t lineWidth = 0;
    for (const Segment& segment : *segments) {
        const std::int64_t spacesWidth = font.Width64(segment.spaces);
        const std::int64_t textWidth = font.Width64(segment.text);
        if (textWidth + doubtful > width64 || spacesWidth > width64) return false;
        const std::int64_t extended = lineWidth + spacesWidth + textWidth;
        if (line.empty()) {
            line = segment.text;
            lineWidth = textWidth;
        } else if (extended > width64 - doubtful && extended <= width64 + 64) {
            return false;
        } else if (extended > width64) {
            lines.push_back(std::move(line));
            line = segment.text;
            lineWidth = textWidth;
        } else {
            line.append(segment.spaces).append(segment.text);
            lineWidth = extended;
        }
    }
    lines.push_back(std::move(line));
    return true;
}

}  // namespace

std::optional<std::vector<std::string>> BreakIntoLines(std::string_view text,
                                                       const PrintFontMetrics& font,
                                                       std::int64_t width64) {
    std::vector<std::string> lines;
    for (std::size_t start = 0;;) {
        std::size_t end = std::min(text.find('\n', start), text.size());
        if (!BreakParagraph(text.substr(start, end - start), font, width64, lines))
            return std::nullopt;
        if (end == text.size()) break;
        start = end + 1;
    }
    return lines;
}

}  // namespace korval
