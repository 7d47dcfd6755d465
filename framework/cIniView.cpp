#include "framework/cIniView.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "framework/TextUtil.h"
#include "framework/cReadOnlyFile.h"

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

}  // namespace

cIniView cIniView::Read(const std::string& path) {
    cIniView view;
    view.Reread(path);
    return view;
}

void cIniView::Reread(const std::string& path) {
    cReadOnlyFile file(path);
    Reread(file);
}

void cIniView::Reread(cReadOnlyFile& file) {
    if (!file.ReadAll(bytes_)) bytes_.clear();
    IndexHeaders();
}

cIniView cIniView::Parse(std::string content) {
    cIniView view;
    view.bytes_ = std::move(content);
    view.IndexHeaders();
    return view;
}

std::size_t cIniView::Footprint() const {
    return bytes_.capacity() + (headers_.capacity() + bodies_.capacity()) * sizeof(Span) +
           headerSlots_.capacity() * sizeof(std::uint32_t) + indexed_.capacity() +
           keys_.capacity() * sizeof(Key) + slots_.capacity() * sizeof(std::uint32_t);
}

// Only headers are found up front, by their '[' (values hardly ever hold one): a '[' after
// nothing but blanks on its line starts a header, and the header's lines run to the next.
// Readers ask for sections a file lacks (the uncertainty sections of older files) as often
// as for those it has: a section is found by hash, not by going through every header.
void cIniView::IndexHeaders() {
    headers_.clear();
    bodies_.clear();
    keys_.clear();
    slots_.clear();
    lastSection_.reset();
    nextKey_ = 0;
    // Offsets are 32 bits: a larger file is no Korval document and reads as empty.
    if (bytes_.size() >= UINT32_MAX) bytes_.clear();
    const char* begin = bytes_.data();
    const char* end = begin + bytes_.size();
    for (const char* at = begin;
         at < end && (at = static_cast<const char*>(std::memchr(at, '[', end - at))) != nullptr;
         ++at) {
        const char* lineStart = at;
        while (lineStart > begin && (lineStart[-1] == ' ' || lineStart[-1] == '\t')) --lineStart;
        if (lineStart > begin && lineStart[-1] != '\n') continue;
        const char* lf = static_cast<const char*>(std::memchr(at, '\n', end - at));
        const char* lineEnd = lf != nullptr ? lf : end;
        if (lf != nullptr && lineEnd > at && lineEnd[-1] == '\r') --lineEnd;
        std::string_view inner(at + 1, static_cast<std::size_t>(lineEnd - at - 1));
        std::size_t close = inner.find(']');
        headers_.push_back(
            SpanOf(TrimBlanks(close == std::string_view::npos ? inner : inner.substr(0, close))));
        auto lineOffset = static_cast<std::uint32_t>(lineStart - begin);
        if (!bodies_.empty()) bodies_.back().length = lineOffset - bodies_.back().offset;
        auto bodyOffset = static_cast<std::uint32_t>(lf != nullptr ? lf + 1 - begin : end - begin);
        bodies_.push_back({bodyOffset, 0});
        if (lf == nullptr) break;
        at = lf;
    }
    if (!bodies_.empty())
        bodies_.back().length = static_cast<std::uint32_t>(bytes_.size()) - bodies_.back().offset;
    indexed_.assign(headers_.size(), 0);
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

// The section's key lines join keys_ in file order, the first of each name kept.
void cIniView::IndexSection(std::uint32_t header) const {
    indexed_[header] = 1;
    std::size_t first = keys_.size();
    std::string_view body = Text(bodies_[header]);
    std::size_t pos = 0;
    while (pos < body.size()) {
        std::size_t lf = body.find('\n', pos);
        std::size_t end = lf == std::string_view::npos ? body.size() : lf;
        if (lf != std::string_view::npos && end > pos && body[end - 1] == '\r') --end;
        std::string_view line = body.substr(pos, end - pos);
        pos = lf == std::string_view::npos ? body.size() : lf + 1;
        std::string_view trimmed = TrimBlanks(line);
        std::size_t equals = line.find('=');
        if ((!trimmed.empty() && trimmed.front() == ';') || equals == std::string_view::npos)
            continue;
        keys_.push_back({header, SpanOf(TrimBlanks(line.substr(0, equals))),
                         SpanOf(UnquotedValue(line.substr(equals + 1)))});
    }
    MakeRoomForKeys(first, keys_.size());
    std::size_t kept = first;
    for (std::size_t i = first; i < keys_.size(); ++i) {
        if (InsertKey(i, static_cast<std::uint32_t>(kept + 1))) keys_[kept++] = keys_[i];
    }
    keys_.resize(kept);
}

// Keeps the table at most half full; a larger table takes the keys indexed before anew
// (each already the first of its name).
void cIniView::MakeRoomForKeys(std::size_t indexed, std::size_t count) const {
    if (2 * count <= slots_.size()) return;
    slots_.assign(std::bit_ceil(std::max<std::size_t>(4 * count, 64)), 0);
    for (std::size_t i = 0; i < indexed; ++i) InsertKey(i, static_cast<std::uint32_t>(i + 1));
}

bool cIniView::InsertKey(std::size_t index, std::uint32_t slotValue) const {
    const Key& key = keys_[index];
    std::string_view name = Text(key.name);
    std::size_t mask = slots_.size() - 1;
    for (std::size_t slot = HashOf(key.section, name) & mask;; slot = (slot + 1) & mask) {
        if (slots_[slot] == 0) {
            slots_[slot] = slotValue;
            return true;
        }
        const Key& taken = keys_[slots_[slot] - 1];
        if (taken.section == key.section && EqualsNoCase(Text(taken.name), name))
            return false;  // first wins
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
    if (!found) return std::nullopt;
    if (!indexed_[*found]) IndexSection(*found);
    if (slots_.empty()) return std::nullopt;
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
