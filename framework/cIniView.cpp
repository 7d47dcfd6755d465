#include "framework/cIniView.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstring>

#include "framework/TextUtil.h"

namespace korval {

namespace {

std::string_view UnquotedValue(std::string_view text) {
    std::string_view value = TrimBlanks(text);
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    return value;
}

// Eight bytes of the name from at, with bit 5 set in every byte: names that differ only in
// ASCII letter case give the same word (a few other bytes pair up too, '_' with DEL, '['
// with '{', which only costs a comparison more when two such names meet).
std::uint64_t FoldedWordAt(std::string_view name, std::size_t at) {
    std::uint64_t word;
    std::memcpy(&word, name.data() + at, 8);
    return word | 0x2020202020202020ull;
}

// A hash of the section and the name read eight bytes at a time, equal for names that
// differ only in ASCII case. A name's last bytes are read as the eight bytes that end it,
// overlapping the word before: one step instead of one per byte left over.
std::size_t HashOf(std::uint32_t section, std::string_view name) {
    constexpr std::uint64_t kMultiplier = 0x9E3779B97F4A7C15ull;
    std::uint64_t hash = (std::uint64_t{section} + 1) * kMultiplier ^ name.size();
    auto mix = [&hash](std::uint64_t word) {
        hash = (hash ^ word) * kMultiplier;
        hash ^= hash >> 29;
    };
    if (name.size() >= 8) {
        std::size_t at = 0;
        for (; at + 8 <= name.size(); at += 8) mix(FoldedWordAt(name, at));
        if (at < name.size()) mix(FoldedWordAt(name, name.size() - 8));
    } else {
        std::uint64_t tail = 0;
        for (std::size_t i = 0; i < name.size(); ++i)
            tail |= std::uint64_t{static_cast<unsigned char>(name[i]) | 0x20u} << (8 * i);
        mix(tail);
    }
    hash ^= hash >> 32;
    hash *= 0xD6E8FEB86659FD93ull;
    return static_cast<std::size_t>(hash ^ (hash >> 32));
}

// Header names are hashed as if they stood under a section no key stands under.
constexpr std::uint32_t kHeaderHashSeed = UINT32_MAX;

bool ReadWholeFile(const std::string& path, std::string& content) {
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat info {};
    bool ok = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    if (ok) {
        content.resize(static_cast<std::size_t>(info.st_size));
        std::size_t got = 0;
        while (got < content.size()) {
            ssize_t n = ::read(fd, content.data() + got, content.size() - got);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) break;
            got += static_cast<std::size_t>(n);
        }
        content.resize(got);
    }
    ::close(fd);
    return ok;
}

}  // namespace

cIniView cIniView::Read(const std::string& path) {
    std::string content;
    if (!ReadWholeFile(path, content)) return cIniView();
    return Parse(std::move(content));
}

cIniView cIniView::Parse(std::string content) {
    cIniView view;
    // Offsets are 32 bits: a larger file is no Korval document and reads as empty.
    if (content.size() >= UINT32_MAX) return view;
    view.bytes_ = std::move(content);
    std::string_view text = view.bytes_;
    std::size_t lines = 1;
    for (const char* at = text.data();
         (at = static_cast<const char*>(std::memchr(at, '\n', text.data() + text.size() - at))) !=
         nullptr;
         ++at) {
        ++lines;
    }
    view.keys_.reserve(lines);
    view.slots_.assign(std::bit_ceil(2 * lines), 0);
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t lf = text.find('\n', pos);
        std::size_t end = lf == std::string_view::npos ? text.size() : lf;
        if (lf != std::string_view::npos && end > pos && text[end - 1] == '\r') --end;
        std::size_t headers = view.headers_.size();
        view.IndexLine(text.substr(pos, end - pos), static_cast<std::uint32_t>(pos));
        std::size_t next = lf == std::string_view::npos ? text.size() : lf + 1;
        if (view.headers_.size() != headers) {
            if (!view.bodies_.empty())
                view.bodies_.back().length =
                    static_cast<std::uint32_t>(pos) - view.bodies_.back().offset;
            view.bodies_.push_back({static_cast<std::uint32_t>(next), 0});
        }
        pos = next;
    }
    if (!view.bodies_.empty())
        view.bodies_.back().length =
            static_cast<std::uint32_t>(text.size()) - view.bodies_.back().offset;
    view.IndexHeaders();
    return view;
}

// Readers ask for sections a file lacks (the uncertainty sections of older files) as often
// as for those it has: a section is found by hash, not by going through every header.
void cIniView::IndexHeaders() {
    headerSlots_.assign(std::bit_ceil(2 * headers_.size() + 1), 0);
    std::size_t mask = headerSlots_.size() - 1;
    for (std::uint32_t header = 0; header < headers_.size(); ++header) {
        std::string_view name = Text(headers_[header]);
        for (std::size_t slot = HashOf(kHeaderHashSeed, name) & mask;; slot = (slot + 1) & mask) {
            if (headerSlots_[slot] == 0) {
                headerSlots_[slot] = header + 1;
                break;
            }
            if (EqualsNoCase(Text(headers_[headerSlots_[slot] - 1]), name)) break;  // first wins
        }
    }
}

void cIniView::IndexLine(std::string_view line, std::uint32_t offset) {
    auto spanOf = [&](std::string_view part) {
        return Span{offset + static_cast<std::uint32_t>(part.data() - line.data()),
                    static_cast<std::uint32_t>(part.size())};
    };
    std::string_view trimmed = TrimBlanks(line);
    if (!trimmed.empty() && trimmed.front() == '[') {
        std::string_view inner = trimmed.substr(1);
        std::size_t close = inner.find(']');
        headers_.push_back(
            spanOf(TrimBlanks(close == std::string_view::npos ? inner : inner.substr(0, close))));
        return;
    }
    std::size_t equals = line.find('=');
    bool isComment = !trimmed.empty() && trimmed.front() == ';';
    if (headers_.empty() || isComment || equals == std::string_view::npos) return;
    AddKey(static_cast<std::uint32_t>(headers_.size() - 1),
           spanOf(TrimBlanks(line.substr(0, equals))),
           spanOf(UnquotedValue(line.substr(equals + 1))));
}

void cIniView::AddKey(std::uint32_t section, Span name, Span value) {
    std::string_view text = Text(name);
    std::size_t mask = slots_.size() - 1;
    for (std::size_t slot = HashOf(section, text) & mask;; slot = (slot + 1) & mask) {
        if (slots_[slot] == 0) {
            keys_.push_back({section, name, value});
            slots_[slot] = static_cast<std::uint32_t>(keys_.size());
            return;
        }
        const Key& taken = keys_[slots_[slot] - 1];
        if (taken.section == section && EqualsNoCase(Text(taken.name), text)) return;  // first wins
    }
}

std::optional<std::uint32_t> cIniView::SectionOf(std::string_view name) const {
    if (lastSection_ && EqualsNoCase(name, Text(headers_[*lastSection_]))) return lastSection_;
    if (headerSlots_.empty()) return std::nullopt;
    std::size_t mask = headerSlots_.size() - 1;
    for (std::size_t slot = HashOf(kHeaderHashSeed, name) & mask; headerSlots_[slot] != 0;
         slot = (slot + 1) & mask) {
        std::uint32_t header = headerSlots_[slot] - 1;
        if (EqualsNoCase(Text(headers_[header]), name)) {
            lastSection_ = header;
            return header;
        }
    }
    return std::nullopt;
}

std::optional<std::string_view> cIniView::Find(std::string_view section,
                                               std::string_view key) const {
    std::optional<std::uint32_t> found = SectionOf(TrimBlanks(section));
    if (!found || slots_.empty()) return std::nullopt;
    std::string_view name = TrimBlanks(key);
    auto matches = [&](std::size_t index) {
        return keys_[index].section == *found && EqualsNoCase(Text(keys_[index].name), name);
    };
    // Loaders mostly read keys in the order they were written: the key after the one found
    // last is tried before the index. Every key in keys_ is the first of its name.
    std::size_t index = nextKey_;
    if (index >= keys_.size() || !matches(index)) {
        std::size_t mask = slots_.size() - 1;
        std::size_t slot = HashOf(*found, name) & mask;
        while (slots_[slot] != 0 && !matches(slots_[slot] - 1)) slot = (slot + 1) & mask;
        if (slots_[slot] == 0) return std::nullopt;
        index = slots_[slot] - 1;
    }
    nextKey_ = index + 1;
    return Text(keys_[index].value);
}

bool cIniView::HasSection(std::string_view section) const {
    return SectionOf(TrimBlanks(section)).has_value();
}

std::optional<std::string_view> cIniView::SectionText(std::string_view section) const {
    std::optional<std::uint32_t> found = SectionOf(TrimBlanks(section));
    if (!found) return std::nullopt;
    return Text(bodies_[*found]);
}

}  // namespace korval
