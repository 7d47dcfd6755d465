#include "pdfwriter/PrintFontCache.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "framework/cReadOnlyFile.h"

namespace korval::printfont {

namespace {

constexpr std::string_view kHeading = "KORVAL PRINT FONT 1";
// A cache larger than this is not one Korval wrote (a font's tables take a few hundred KB).
constexpr std::uintmax_t kLargestCache = 64 << 20;

std::string Variable(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

// The folder named by an XDG variable, or its default under the home folder.
std::string XdgFolder(const char* variable, const std::string& underHome) {
    std::string folder = Variable(variable);
    if (!folder.empty() && folder.front() == '/') return folder;
    std::string home = Variable("HOME");
    return home.empty() ? std::string() : home + "/" + underHome;
}

std::string Hex(std::string_view bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string hex;
    for (char c : bytes) {
        hex += kDigits[static_cast<unsigned char>(c) >> 4];
        hex += kDigits[static_cast<unsigned char>(c) & 0xF];
    }
    return hex;
}

std::optional<std::string> FromHex(std::string_view hex) {
    if (hex.size() % 2 != 0) return std::nullopt;
    std::string bytes;
    for (std::size_t at = 0; at < hex.size(); at += 2) {
        auto digit = [](char c) {
            return c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
        };
        int high = digit(hex[at]), low = digit(hex[at + 1]);
        if (high < 0 || low < 0) return std::nullopt;
        bytes += static_cast<char>(high * 16 + low);
    }
    return bytes;
}

std::string Number(double value) {
    char text[40];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

// Reads a cache's lines and tables in order; fails on the first thing out of place.
class cCacheReader {
  public:
    explicit cCacheReader(std::string_view bytes) : bytes_(bytes) {}

    std::optional<std::string_view> Line() {
        std::size_t end = bytes_.find('\n', at_);
        if (end == std::string_view::npos) return std::nullopt;
        std::string_view line = bytes_.substr(at_, end - at_);
        at_ = end + 1;
        return line;
    }
    std::optional<std::string_view> Bytes(std::size_t count) {
        if (at_ + count + 1 > bytes_.size() || bytes_[at_ + count] != '\n') return std::nullopt;
        std::string_view taken = bytes_.substr(at_, count);
        at_ += count + 1;
        return taken;
    }
    bool AtEnd() const { return at_ == bytes_.size(); }

  private:
    std::string_view bytes_;
    std::size_t at_ = 0;
};

// The line's word after the keyword, and the rest; none unless it starts with the keyword.
std::optional<std::string_view> After(std::string_view line, std::string_view keyword) {
    if (line.size() <= keyword.size() || line.substr(0, keyword.size()) != keyword ||
        line[keyword.size()] != ' ')
        return std::nullopt;
    return line.substr(keyword.size() + 1);
}

template <typename... Values>
bool ReadNumbers(std::string_view text, Values&... values) {
    std::istringstream in{std::string(text)};
    ((in >> values), ...);
    return !in.fail() && (in >> std::ws).eof();
}

// The variables that choose fonts as they are now: "=" and the value in hexadecimal, or "-"
// when unset.
std::vector<std::pair<std::string, std::string>> EnvironmentNow() {
    std::vector<std::pair<std::string, std::string>> environment;
    for (std::string_view name : kEnvironment) {
        const char* value = std::getenv(std::string(name).c_str());
        environment.emplace_back(name, value != nullptr ? "=" + Hex(value) : "-");
    }
    return environment;
}

// The overhang, then the number of lines and each line's baseline and height.
bool ReadWrapped(std::string_view text, PrintFontMetrics& font) {
    std::istringstream in{std::string(text)};
    std::size_t lines = 0;
    in >> font.largestOverhang >> lines;
    if (in.fail() || lines > 1000) return false;
    font.wrappedBaselines.resize(lines);
    font.wrappedHeights.resize(lines);
    for (std::size_t line = 0; line < lines; ++line)
        in >> font.wrappedBaselines[line] >> font.wrappedHeights[line];
    return !in.fail() && (in >> std::ws).eof();
}

// The metrics' lines, the first of which was read already.
bool ParseMetrics(cCacheReader& reader, std::string_view first, PrintFontMetrics& font) {
    std::optional<std::string_view> line = first;
    auto next = [&](std::string_view keyword) {
        if (!line) line = reader.Line();
        std::optional<std::string_view> value = line ? After(*line, keyword) : std::nullopt;
        line.reset();
        return value;
    };
    auto name = next("font");
    if (!name) return false;
    font.fontName = std::string(*name);
    auto size = next("size");
    if (!size || !ReadNumbers(*size, font.pixelSize)) return false;
    auto glyphs = next("glyphs");
    if (!glyphs) return false;
    std::istringstream pairs{std::string(*glyphs)};
    for (int i = 0; i < PrintFontMetrics::kCount; ++i) pairs >> font.glyphs[i] >> font.advances[i];
    if (pairs.fail() || !(pairs >> std::ws).eof()) return false;
    auto ascent = next("ascent");
    auto text = ascent ? next("text") : std::nullopt;
    auto heights = text ? next("heights") : std::nullopt;
    auto wrapped = heights ? next("wrapped") : std::nullopt;
    std::optional<std::string_view> within[PrintFontMetrics::kContexts];
    bool allRead = wrapped.has_value();
    for (auto& table : within) {
        table = allRead ? next("breaks") : std::nullopt;
        allRead = table.has_value();
    }
    auto afterSpaces = allRead ? next("spaced") : std::nullopt;
    auto device = afterSpaces ? next("device") : std::nullopt;
    if (!device) return false;
    for (int context = 0; context < PrintFontMetrics::kContexts; ++context)
        font.breaksWithin[context] = std::string(*within[context]);
    font.breaksAfterSpaces = std::string(*afterSpaces);
    return ReadNumbers(*ascent, font.lineAscent, font.pointAscent) &&
           ReadNumbers(*text, font.text.height, font.text.aveCharWidth, font.text.maxCharWidth) &&
           ReadNumbers(*heights, font.plainLineHeight, font.emptyTextHeight,
                       font.emptyWrappedTextHeight) &&
           ReadWrapped(*wrapped, font) &&
           ReadNumbers(*device, font.deviceWidth, font.deviceHeight, font.dpiX, font.dpiY,
                       font.pageWidthPoints, font.pageHeightPoints);
}

}  // namespace

std::string StampOf(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) return "absent";
    return std::to_string(status.st_dev) + ":" + std::to_string(status.st_ino) + ":" +
           std::to_string(status.st_mode) + ":" + std::to_string(status.st_size) + ":" +
           std::to_string(status.st_mtim.tv_sec) + "." + std::to_string(status.st_mtim.tv_nsec);
}

FontSetup CurrentSetup(const std::string& renderer, const std::vector<std::string>& paths) {
    std::vector<std::string> all = {renderer};
    for (const std::string& path : paths) {
        all.push_back(path);
        // A configuration file's folder changes when a file is added beside it.
        if (path.size() > 5 && path.compare(path.size() - 5, 5, ".conf") == 0)
            all.push_back(std::filesystem::path(path).parent_path().string());
    }
    std::string config = XdgFolder("XDG_CONFIG_HOME", ".config");
    std::string data = XdgFolder("XDG_DATA_HOME", ".local/share");
    std::string home = Variable("HOME");
    for (const std::string& user :
         {config + "/fontconfig", config + "/fontconfig/fonts.conf", config + "/fontconfig/conf.d",
          data + "/fonts", home + "/.fonts.conf", home + "/.fonts.conf.d", home + "/.fonts"})
        if (user.front() == '/') all.push_back(user);
    FontSetup setup;
    setup.renderer = renderer;
    setup.environment = EnvironmentNow();
    for (const std::string& path : all) {
        bool seen = false;
        for (const auto& stamped : setup.stamps) seen = seen || stamped.first == path;
        if (!seen && !path.empty()) setup.stamps.emplace_back(path, StampOf(path));
    }
    return setup;
}

FontSetup CurrentSetupOf(const FontSetup& cached) {
    FontSetup now;
    now.renderer = cached.renderer;
    now.environment = EnvironmentNow();
    for (const auto& stamped : cached.stamps)
        now.stamps.emplace_back(stamped.first, StampOf(stamped.first));
    return now;
}

std::string Serialize(const FontSetup& setup, const PrintFontMetrics& font) {
    std::string out = std::string(kHeading) + "\nrenderer " + setup.renderer + "\n";
    for (const auto& [name, value] : setup.environment) out += "env " + name + " " + value + "\n";
    for (const auto& [path, stamp] : setup.stamps) out += "stamp " + stamp + " " + path + "\n";
    out += "font " + font.fontName + "\nsize " + Number(font.pixelSize) + "\nglyphs";
    for (int i = 0; i < PrintFontMetrics::kCount; ++i)
        out += " " + std::to_string(font.glyphs[i]) + " " + std::to_string(font.advances[i]);
    out += "\nascent " + Number(font.lineAscent) + " " + std::to_string(font.pointAscent);
    out += "\ntext " + std::to_string(font.text.height) + " " +
           std::to_string(font.text.aveCharWidth) + " " + std::to_string(font.text.maxCharWidth);
    out += "\nheights " + std::to_string(font.plainLineHeight) + " " +
           std::to_string(font.emptyTextHeight) + " " + std::to_string(font.emptyWrappedTextHeight);
    out += "\nwrapped " + std::to_string(font.largestOverhang) + " " +
           std::to_string(font.wrappedBaselines.size());
    for (std::size_t line = 0; line < font.wrappedBaselines.size(); ++line)
        out += " " + Number(font.wrappedBaselines[line]) + " " +
               std::to_string(font.wrappedHeights[line]);
    for (const std::string& table : font.breaksWithin) out += "\nbreaks " + table;
    out += "\nspaced " + font.breaksAfterSpaces;
    out += "\ndevice " + std::to_string(font.deviceWidth) + " " +
           std::to_string(font.deviceHeight) + " " + std::to_string(font.dpiX) + " " +
           std::to_string(font.dpiY) + " " + Number(font.pageWidthPoints) + " " +
           Number(font.pageHeightPoints) + "\n";
    for (const auto& [tag, bytes] : font.tables.All())
        out += "table " + Hex(tag) + " " + std::to_string(bytes.size()) + "\n" + bytes + "\n";
    return out + "end\n";
}

std::optional<std::pair<FontSetup, PrintFontMetrics>> Parse(std::string_view bytes) {
    cCacheReader reader(bytes);
    if (reader.Line() != kHeading) return std::nullopt;
    FontSetup setup;
    PrintFontMetrics font;
    std::optional<std::string_view> line = reader.Line();
    std::optional<std::string_view> renderer = line ? After(*line, "renderer") : std::nullopt;
    if (!renderer) return std::nullopt;
    setup.renderer = std::string(*renderer);
    for (line = reader.Line(); line && After(*line, "env"); line = reader.Line()) {
        std::string_view entry = *After(*line, "env");
        std::size_t space = entry.find(' ');
        if (space == std::string_view::npos) return std::nullopt;
        setup.environment.emplace_back(entry.substr(0, space), entry.substr(space + 1));
    }
    for (; line && After(*line, "stamp"); line = reader.Line()) {
        std::string_view entry = *After(*line, "stamp");
        std::size_t space = entry.find(' ');
        if (space == std::string_view::npos) return std::nullopt;
        setup.stamps.emplace_back(entry.substr(space + 1), entry.substr(0, space));
    }
    if (!line || !ParseMetrics(reader, *line, font)) return std::nullopt;
    for (line = reader.Line(); line && After(*line, "table"); line = reader.Line()) {
        std::string_view entry = *After(*line, "table");
        std::size_t space = entry.find(' ');
        std::optional<std::string> tag =
            space == std::string_view::npos ? std::nullopt : FromHex(entry.substr(0, space));
        std::size_t length = 0;
        if (!tag || !ReadNumbers(entry.substr(space + 1), length)) return std::nullopt;
        std::optional<std::string_view> table = reader.Bytes(length);
        if (!table) return std::nullopt;
        font.tables.Set(*tag, std::string(*table));
    }
    if (line != "end" || !reader.AtEnd() || !font.IsSound()) return std::nullopt;
    return std::make_pair(std::move(setup), std::move(font));
}

std::string CachePath() {
    std::string folder = XdgFolder("XDG_CACHE_HOME", ".cache");
    return folder.empty() ? std::string() : folder + "/korval/print-font";
}

std::optional<PrintFontMetrics> LoadCurrent(const std::string& renderer) {
    std::string path = CachePath();
    if (path.empty()) return std::nullopt;
    std::optional<std::string> bytes = ReadRegularFile(path, kLargestCache);
    if (!bytes) return std::nullopt;
    auto cached = Parse(*bytes);
    if (!cached || cached->first.renderer != renderer ||
        CurrentSetupOf(cached->first) != cached->first)
        return std::nullopt;
    return std::move(cached->second);
}

bool Store(const FontSetup& setup, const PrintFontMetrics& font) {
    std::string path = CachePath();
    if (path.empty()) return false;
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), error);
    // Written beside and renamed over the cache, so a reader never sees half a cache.
    std::string temporary = path + ".XXXXXX";
    int file = ::mkstemp(temporary.data());
    if (file < 0) return false;
    std::string bytes = Serialize(setup, font);
    std::size_t done = 0;
    while (done < bytes.size()) {
        ssize_t count = ::write(file, bytes.data() + done, bytes.size() - done);
        if (count <= 0) break;
        done += static_cast<std::size_t>(count);
    }
    bool written = ::close(file) == 0 && done == bytes.size();
    if (written && ::rename(temporary.c_str(), path.c_str()) == 0) return true;
    ::unlink(temporary.c_str());
    return false;
}

}  // namespace korval::printfont
