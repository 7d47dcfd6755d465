#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <random>
#include <string>

#include "pdfwriter/PrintFontCache.h"
#include "tests/support/SyntheticPrintFont.h"

namespace korval {
namespace {

namespace fs = std::filesystem;

PrintFontMetrics GeneratedFont(unsigned seed) {
    std::mt19937 random(seed);
    PrintFontMetrics font = testing::SyntheticPrintFont();
    font.fontName = "Generated-Regular";
    for (int i = 0; i < PrintFontMetrics::kCount; ++i) {
        font.glyphs[i] = static_cast<std::uint16_t>(random() % 96);
        font.advances[i] = static_cast<std::int32_t>(random() % 12800);
    }
    font.lineAscent = 178.21875 + seed;
    font.largestOverhang = 12;
    // Tables with every byte value, line breaks and a tag with a space.
    for (std::string tag : {"cvt ", "prep"}) {
        std::string bytes(random() % 3000, '\0');
        for (char& c : bytes) c = static_cast<char>(random());
        font.tables.Set(tag, bytes + "\nend\n");
    }
    return font;
}

void ExpectSameFont(const PrintFontMetrics& read, const PrintFontMetrics& written) {
    EXPECT_EQ(read.fontName, written.fontName);
    EXPECT_EQ(read.pixelSize, written.pixelSize);
    EXPECT_EQ(read.glyphs, written.glyphs);
    EXPECT_EQ(read.advances, written.advances);
    EXPECT_EQ(read.lineAscent, written.lineAscent);
    EXPECT_EQ(read.text, written.text);
    EXPECT_EQ(read.wrappedBaselines, written.wrappedBaselines);
    EXPECT_EQ(read.wrappedHeights, written.wrappedHeights);
    EXPECT_EQ(read.largestOverhang, written.largestOverhang);
    EXPECT_EQ(read.deviceHeight, written.deviceHeight);
    EXPECT_EQ(read.tables.All(), written.tables.All());
}

// A cache reads back as written; cut short or damaged anywhere, it reads as no cache.
TEST(PrintFontCacheTest, ReadsBackWhatWasWrittenAndNothingOfADamagedCache) {
    printfont::FontSetup setup{"/opt/korval/bin/korval-pdf",
                               {{"HOME", "=2f726f6f74"}, {"LANG", "-"}},
                               {{"/etc/fonts/fonts.conf", "1:2:3:4:5.6"}, {"/a b/c", "absent"}}};
    PrintFontMetrics font = GeneratedFont(3);
    std::string bytes = printfont::Serialize(setup, font);
    auto read = printfont::Parse(bytes);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->first, setup);
    ExpectSameFont(read->second, font);
    for (std::size_t cut = 0; cut < bytes.size(); cut += 97)
        EXPECT_FALSE(printfont::Parse(bytes.substr(0, cut))) << "cut at " << cut;
    std::string longer = bytes;
    longer.insert(longer.find("table "), "table 676c7966 999999999\n");
    EXPECT_FALSE(printfont::Parse(longer));
    // Whole but unsound: no page could be laid out from it.
    for (std::string line :
         {"heights 0 230 230", "device 0 14031 1200 1200 595 842", "size -200", "wrapped 12 0"}) {
        std::string edited = bytes;
        std::size_t start = edited.find("\n" + line.substr(0, line.find(' ') + 1)) + 1;
        edited.replace(start, edited.find('\n', start) - start, line);
        EXPECT_FALSE(printfont::Parse(edited)) << line;
    }
}

class PrintFontCacheFolder : public ::testing::Test {
  public:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("korval-print-font-" + std::to_string(::getpid()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_ / "fonts");
        fs::create_directories(folder_ / "etc");
        std::ofstream(folder_ / "etc" / "fonts.conf") << "<fontconfig/>";
        std::ofstream(folder_ / "renderer") << "program";
        Set("XDG_CACHE_HOME", (folder_ / "cache").string());
        Set("XDG_CONFIG_HOME", (folder_ / "config").string());
        Set("LANG", "C.UTF-8");
    }
    void TearDown() override {
        for (auto& [name, value] : saved_) {
            if (value)
                ::setenv(name.c_str(), value->c_str(), 1);
            else
                ::unsetenv(name.c_str());
        }
        fs::remove_all(folder_);
    }
    void Set(const std::string& name, const std::string& value) {
        if (!saved_.count(name)) {
            const char* old = std::getenv(name.c_str());
            saved_[name] = old ? std::optional<std::string>(old) : std::nullopt;
        }
        ::setenv(name.c_str(), value.c_str(), 1);
    }
    std::string Renderer() const { return (folder_ / "renderer").string(); }
    std::vector<std::string> Paths() const {
        return {(folder_ / "etc" / "fonts.conf").string(), (folder_ / "fonts").string()};
    }

    fs::path folder_;
    std::map<std::string, std::optional<std::string>> saved_;
};

// Kept metrics serve while nothing that decides the fonts changes, and any such change
// makes them stale: a configuration file edited, a font added, the user's configuration
// created, an environment variable changed, the renderer replaced or another renderer.
TEST_F(PrintFontCacheFolder, KeptMetricsServeUntilTheFontSetUpChanges) {
    struct Change {
        const char* what;
        std::function<void(PrintFontCacheFolder&)> make;
    };
    auto later = [](const fs::path& path) {
        fs::last_write_time(path, fs::last_write_time(path) + std::chrono::seconds(5));
    };
    const std::vector<Change> changes = {
        {"nothing", [](PrintFontCacheFolder&) {}},
        {"configuration edited",
         [&](PrintFontCacheFolder& f) { later(f.folder_ / "etc" / "fonts.conf"); }},
        {"configuration added",
         [](PrintFontCacheFolder& f) { std::ofstream(f.folder_ / "etc" / "local.conf") << "x"; }},
        {"font added",
         [](PrintFontCacheFolder& f) { std::ofstream(f.folder_ / "fonts" / "new.ttf") << "x"; }},
        {"user configuration created",
         [](PrintFontCacheFolder& f) {
             fs::create_directories(f.folder_ / "config" / "fontconfig");
         }},
        {"language changed", [](PrintFontCacheFolder& f) { f.Set("LANG", "ja_JP.UTF-8"); }},
        {"configuration chosen", [](PrintFontCacheFolder& f) { f.Set("FONTCONFIG_FILE", "/x"); }},
        {"renderer replaced", [&](PrintFontCacheFolder& f) { later(f.folder_ / "renderer"); }},
    };
    for (const Change& change : changes) {
        SCOPED_TRACE(change.what);
        ::unsetenv("FONTCONFIG_FILE");
        Set("LANG", "C.UTF-8");
        PrintFontMetrics font = GeneratedFont(5);
        ASSERT_TRUE(printfont::Store(printfont::CurrentSetup(Renderer(), Paths()), font));
        change.make(*this);
        std::optional<PrintFontMetrics> kept = printfont::LoadCurrent(Renderer());
        EXPECT_EQ(kept.has_value(), std::string(change.what) == "nothing");
        if (kept) ExpectSameFont(*kept, font);
        EXPECT_FALSE(printfont::LoadCurrent(Renderer() + "-other"));
        fs::remove(folder_ / "fonts" / "new.ttf");
        fs::remove(folder_ / "etc" / "local.conf");
        fs::remove_all(folder_ / "config");
    }
}

}  // namespace
}  // namespace korval
