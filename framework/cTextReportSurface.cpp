#include "framework/cTextReportSurface.h"

#include <algorithm>

#include "framework/TextUtil.h"

namespace korval {

namespace {

std::string ExpandTabs(std::string_view text) {
    std::string out;
    std::size_t column = 0;
    for (char c : text) {
        if (c == '\t') {
            do {
                out += ' ';
                ++column;
            } while (column % 8 != 0);
        } else {
            out += c;
            if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++column;
        }
    }
    return out;
}

std::vector<std::string> SplitParagraphs(std::string_view text) {
    std::vector<std::string> paragraphs;
    std::string current;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            paragraphs.push_back(std::move(current));
            current.clear();
        } else {
            current += text[i];
        }
    }
    paragraphs.push_back(std::move(current));
    return paragraphs;
}

void WrapParagraph(const std::string& paragraph, std::size_t width,
                   std::vector<std::string>& lines) {
    std::string line;
    std::size_t pos = 0;
    while (pos < paragraph.size()) {
        std::size_t end = paragraph.find(' ', pos);
        if (end == std::string::npos) end = paragraph.size();
        std::string word = paragraph.substr(pos, end - pos);
        std::size_t needed = CountChars(line) + (line.empty() ? 0 : 1) + CountChars(word);
        if (!line.empty() && needed > width) {
            lines.push_back(line);
            line.clear();
        }
        if (!line.empty()) line += ' ';
        line += word;
        pos = end + 1;
    }
    lines.push_back(line);
}

}  // namespace

cTextReportSurface::cTextReportSurface(int columns) : columns_(columns) {}

std::vector<std::string> cTextReportSurface::BreakLines(std::string_view text, int widthInCells,
                                                        bool wrap) {
    std::vector<std::string> lines;
    for (const std::string& paragraph : SplitParagraphs(text)) {
        std::string printable = PrintableText(ExpandTabs(paragraph));
        if (wrap && widthInCells > 0) {
            WrapParagraph(printable, static_cast<std::size_t>(widthInCells), lines);
        } else {
            lines.push_back(std::move(printable));
        }
    }
    return lines;
}

int cTextReportSurface::DrawText(std::string_view text, const SurfaceRect& rect, unsigned flags) {
    int width = (rect.right - rect.left) / kCellWidth;
    std::vector<std::string> lines = BreakLines(text, width, (flags & TextFlags::kWordBreak) != 0);
    if (!(flags & TextFlags::kMeasureOnly)) {
        for (std::size_t i = 0; i < lines.size(); ++i) {
            int x = rect.left;
            int lineWidth = static_cast<int>(CountChars(lines[i])) * kCellWidth;
            if ((flags & TextFlags::kAlignMask) == TextFlags::kRight) x = rect.right - lineWidth;
            if ((flags & TextFlags::kAlignMask) == TextFlags::kCenter) {
                x = rect.left + (rect.right - rect.left - lineWidth) / 2;
            }
            placed_.push_back({rect.top + static_cast<int>(i) * kLineHeight,
                               std::max(0, x / kCellWidth), lines[i], placed_.size()});
        }
    }
    return static_cast<int>(lines.size()) * kLineHeight;
}

std::string cTextReportSurface::Render() const {
    std::vector<Placed> sorted = placed_;
    std::stable_sort(sorted.begin(), sorted.end(), [](const Placed& a, const Placed& b) {
        return a.y != b.y ? a.y < b.y : a.column < b.column;
    });
    std::string out;
    bool first = true;
    int previousY = 0;
    std::string line;
    auto flush = [&]() {
        while (!line.empty() && line.back() == ' ') line.pop_back();
        out += line;
        out += '\n';
        line.clear();
    };
    for (const Placed& item : sorted) {
        if (first || item.y != previousY) {
            if (!first) {
                flush();
                int blankLines = (item.y - previousY - kLineHeight) / kLineHeight;
                for (int i = 0; i < blankLines; ++i) out += '\n';
            }
            first = false;
            previousY = item.y;
        }
        std::size_t used = CountChars(line);
        std::size_t column = static_cast<std::size_t>(item.column);
        if (used < column) {
            line.append(column - used, ' ');
        } else if (used > 0) {
            line += ' ';
        }
        line += item.text;
    }
    if (!first) flush();
    return out;
}

}  // namespace korval
