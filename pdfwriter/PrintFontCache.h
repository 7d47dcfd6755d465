#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "pdfwriter/PrintFontMetrics.h"

// The print font's metrics kept between runs, so that the command line prints PDF pages
// without starting Qt. Qt's answers depend on the font set-up: the font configuration's
// files, the font folders, the environment that selects them and the renderer (with its Qt)
// that measured. The cache holds a stamp of each; any change, a damaged file or another
// renderer makes it stale, and the pages go through the renderer, which measures again.
namespace korval::printfont {

// Environment variables that choose fonts or the configuration that finds them.
inline constexpr std::string_view kEnvironment[] = {"HOME",
                                                    "XDG_CONFIG_HOME",
                                                    "XDG_DATA_HOME",
                                                    "XDG_DATA_DIRS",
                                                    "FONTCONFIG_FILE",
                                                    "FONTCONFIG_PATH",
                                                    "FONTCONFIG_SYSROOT",
                                                    "LANG",
                                                    "LANGUAGE",
                                                    "LC_ALL",
                                                    "LC_CTYPE"};

// The set-up a cache was made in: the renderer, the environment, and a stamp for each path
// that configures or holds fonts (a missing path is stamped too: creating it changes the
// set-up).
struct FontSetup {
    std::string renderer;
    std::vector<std::pair<std::string, std::string>> environment;
    std::vector<std::pair<std::string, std::string>> stamps;
    bool operator==(const FontSetup&) const = default;
};

// The stamp of a path as it is now: what file or folder it is, its size and time of change.
std::string StampOf(const std::string& path);
// The set-up as it is now, for the renderer and the paths that configure fonts; the user's
// own configuration and font folders are added, whether they exist or not, with the folder
// of each configuration file (*.conf).
FontSetup CurrentSetup(const std::string& renderer, const std::vector<std::string>& paths);
// The set-up as it is now for the paths a cache names.
FontSetup CurrentSetupOf(const FontSetup& cached);

std::string Serialize(const FontSetup& setup, const PrintFontMetrics& font);
// The cache's set-up and metrics; none when the bytes are not a whole cache.
std::optional<std::pair<FontSetup, PrintFontMetrics>> Parse(std::string_view bytes);

// Where the cache is kept: the user's cache folder; empty without a home.
std::string CachePath();
// The metrics of the cache when it was made by the renderer in the set-up as it is now.
std::optional<PrintFontMetrics> LoadCurrent(const std::string& renderer);
// Keeps the metrics for the set-up; false when the cache could not be written.
bool Store(const FontSetup& setup, const PrintFontMetrics& font);

}  // namespace korval::printfont
