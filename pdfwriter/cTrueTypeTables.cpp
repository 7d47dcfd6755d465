#include "pdfwriter/cTrueTypeTables.h"

#include <algorithm>
#include <vector>

namespace korval {

namespace {

void AppendUInt16(std::string& out, std::uint32_t value) {
    out += static_cast<char>((value >> 8) & 0xFF);
    out += static_cast<char>(value & 0xFF);
}

void AppendUInt32(std::string& out, std::uint32_t value) {
    AppendUInt16(out, value >> 16);
    AppendUInt16(out, value & 0xFFFF);
}

void PadToFour(std::string& out) {
    while (out.size() % 4 != 0) out += '\0';
}

std::uint32_t TableChecksum(std::string_view bytes) {
    std::uint32_t sum = 0;
    for (std::size_t at = 0; at < bytes.size(); at += 4) sum += cTrueTypeTables::UInt32(bytes, at);
    return sum;
}

// The glyphs a composite glyph is made of. The component records' flags say how long each is.
std::vector<std::uint16_t> ComponentsOf(std::string_view glyph) {
    std::vector<std::uint16_t> parts;
    if (glyph.size() < 10 || cTrueTypeTables::Int16(glyph, 0) >= 0) return parts;
    constexpr std::uint32_t kWordArguments = 0x1, kScale = 0x8, kMoreComponents = 0x20,
                            kXAndYScale = 0x40, kTwoByTwo = 0x80;
    std::size_t at = 10;
    std::uint32_t flags = kMoreComponents;
    while ((flags & kMoreComponents) && at + 4 <= glyph.size()) {
        flags = cTrueTypeTables::UInt16(glyph, at);
        parts.push_back(static_cast<std::uint16_t>(cTrueTypeTables::UInt16(glyph, at + 2)));
        at += 4 + ((flags & kWordArguments) ? 4 : 2);
        if (flags & kScale)
            at += 2;
        else if (flags & kXAndYScale)
            at += 4;
        else if (flags & kTwoByTwo)
            at += 8;
    }
    return parts;
}

// A font file (sfnt) of the tables, in the order of their tags as the format asks.
std::string SfntOf(const std::map<std::string, std::string, std::less<>>& tables) {
    const auto count = static_cast<std::uint32_t>(tables.size());
    std::uint32_t power = 1, log = 0;
    while (power * 2 <= count) {
        power *= 2;
        ++log;
    }
    std::string file;
    AppendUInt32(file, 0x00010000);
    AppendUInt16(file, count);
    AppendUInt16(file, power * 16);
    AppendUInt16(file, log);
    AppendUInt16(file, count * 16 - power * 16);
    auto offset = static_cast<std::uint32_t>(12 + 16 * count);
    for (const auto& [tag, bytes] : tables) {
        file += tag;
        AppendUInt32(file, TableChecksum(bytes));
        AppendUInt32(file, offset);
        AppendUInt32(file, static_cast<std::uint32_t>(bytes.size()));
        offset += static_cast<std::uint32_t>((bytes.size() + 3) / 4 * 4);
    }
    for (const auto& entry : tables) {
        file += entry.second;
        PadToFour(file);
    }
    return file;
}

}  // namespace

void cTrueTypeTables::Set(std::string_view tag, std::string bytes) {
    tables_[std::string(tag)] = std::move(bytes);
}

std::string_view cTrueTypeTables::Table(std::string_view tag) const {
    auto found = tables_.find(tag);
    return found == tables_.end() ? std::string_view() : std::string_view(found->second);
}

int cTrueTypeTables::Int16(std::string_view table, std::size_t at) {
    return static_cast<std::int16_t>(UInt16(table, at));
}

std::uint32_t cTrueTypeTables::UInt16(std::string_view table, std::size_t at) {
    if (at + 2 > table.size()) return 0;
    return (static_cast<std::uint32_t>(static_cast<unsigned char>(table[at])) << 8) |
           static_cast<unsigned char>(table[at + 1]);
}

std::uint32_t cTrueTypeTables::UInt32(std::string_view table, std::size_t at) {
    return (UInt16(table, at) << 16) | UInt16(table, at + 2);
}

int cTrueTypeTables::UnitsPerEm() const {
    return static_cast<int>(UInt16(Table("head"), 18));
}

int cTrueTypeTables::GlyphCount() const {
    return static_cast<int>(UInt16(Table("maxp"), 4));
}

bool cTrueTypeTables::CanEmbed() const {
    for (std::string_view tag : kRequired)
        if (Table(tag).empty()) return false;
    if (Table("head").size() < 54 || Table("hhea").size() < 36 || Table("maxp").size() < 6)
        return false;
    const std::size_t entry = LongOffsets() ? 4 : 2;
    return UnitsPerEm() > 0 && GlyphCount() > 0 &&
           Table("loca").size() >= (static_cast<std::size_t>(GlyphCount()) + 1) * entry;
}

std::uint32_t cTrueTypeTables::GlyphOffset(int glyph) const {
    const auto at = static_cast<std::size_t>(glyph);
    return LongOffsets() ? UInt32(Table("loca"), at * 4) : UInt16(Table("loca"), at * 2) * 2;
}

std::string_view cTrueTypeTables::GlyphBytes(int glyph) const {
    if (glyph < 0 || glyph >= GlyphCount()) return {};
    std::uint32_t start = GlyphOffset(glyph), end = GlyphOffset(glyph + 1);
    std::string_view outlines = Table("glyf");
    if (start >= end || end > outlines.size()) return {};
    return outlines.substr(start, end - start);
}

std::string cTrueTypeTables::Subset(std::span<const std::uint16_t> glyphs) const {
    const int count = GlyphCount();
    std::vector<bool> kept(static_cast<std::size_t>(count), false);
    std::vector<std::uint16_t> pending(glyphs.begin(), glyphs.end());
    pending.push_back(0);
    while (!pending.empty()) {
        std::uint16_t glyph = pending.back();
        pending.pop_back();
        if (glyph >= count || kept[glyph]) continue;
        kept[glyph] = true;
        for (std::uint16_t part : ComponentsOf(GlyphBytes(glyph))) pending.push_back(part);
    }
    std::string outlines, offsets;
    for (int glyph = 0; glyph < count; ++glyph) {
        AppendUInt32(offsets, static_cast<std::uint32_t>(outlines.size()));
        if (kept[static_cast<std::size_t>(glyph)]) {
            outlines += GlyphBytes(glyph);
            PadToFour(outlines);
        }
    }
    AppendUInt32(offsets, static_cast<std::uint32_t>(outlines.size()));

    std::map<std::string, std::string, std::less<>> file;
    for (std::string_view tag : kRequired) file[std::string(tag)] = std::string(Table(tag));
    for (std::string_view tag : kHinting)
        if (!Table(tag).empty()) file[std::string(tag)] = std::string(Table(tag));
    file["glyf"] = std::move(outlines);
    file["loca"] = std::move(offsets);
    std::string& head = file["head"];
    std::fill_n(head.begin() + 8, 4, '\0');  // the whole file's checksum adjustment: unused
    head[50] = '\0';
    head[51] = '\1';  // long offsets in 'loca'
    return SfntOf(file);
}

}  // namespace korval
