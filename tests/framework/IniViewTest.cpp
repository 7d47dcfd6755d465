// The read-only view reads every file exactly as cIniFile does, and a read-only scope
// answers a path's reads from its view without the profile store.
#include <gtest/gtest.h>

#include <cctype>
#include <random>

#include "framework/ProfileAccess.h"
#include "framework/cIniFile.h"
#include "framework/cIniView.h"
#include "framework/cProfileFileScope.h"
#include "framework/cProfileStore.h"
#include "framework/cReadOnlyProfileScope.h"
#include "tests/support/TempDir.h"

namespace korval {
namespace {

using testing::TempDir;

// Every name in the text (sections and keys as written, and changed in case), and a few
// that are in no file.
std::vector<std::string> NamesIn(const std::string& text) {
    std::vector<std::string> names = {"", "S", "s", "K", "missing", " K ", "[S]"};
    std::string name;
    for (char c : text) {
        if (c == '[' || c == ']' || c == '=' || c == '\n' || c == '\r') {
            if (!name.empty()) {
                names.push_back(name);
                std::string upper = name;
                for (char& u : upper) u = static_cast<char>(std::toupper(u));
                names.push_back(upper);
            }
            name.clear();
        } else {
            name += c;
        }
    }
    return names;
}

void ExpectSameReading(const std::string& text) {
    cIniFile file = cIniFile::Parse(text);
    cIniView view = cIniView::Parse(text);
    std::vector<std::string> names = NamesIn(text);
    for (const std::string& section : names) {
        EXPECT_EQ(view.HasSection(section), file.HasSection(section)) << section << " in\n" << text;
        for (const std::string& key : names) {
            EXPECT_EQ(view.Find(section, key), file.Find(section, key))
                << "[" << section << "] " << key << " in\n"
                << text;
        }
    }
}

TEST(IniViewTest, ReadsEveryFileAsTheIniReader) {
    const char* const cases[] = {
        "",
        "[KoRvAl]\r\nkorval_TYPE=Cocomo\r\n",
        "  [ S ]  \n  Key  =  some value  \n",
        "[S]\nK=\"  quoted  \"\nQ='x'\nU=\"x'\nE=\"\"\nO=\"\n",
        "[S]\n;K=commented\nK=real\n  ; K=indented comment\n",
        "K=before any section\n[S]\nK=after\n",
        "[S]\nK=first\nk=second\n[s]\nK=other section\n[T]\nK=t\n",
        "[S]\nno equals sign\n=empty key\nK==two equals\nK2 = a = b\n",
        "[S]\r\nK=crlf\r\n[T]\nK=lf\n[U]\rK=lone cr\n",
        "[S]\nK=last line without end",
        "[S]\nK=last line ends in cr\r",
        "[S\nK=header without bracket\n[  ]\nK=empty name\n[]\nK=empty\n",
        "[S] trailing ] text\nK=v\n[S]x\nK=w\n",
        "[S]\n\t K \t=\t v \t\n",
        "[S]\nK=v\n[S]\nK=duplicate section\nL=only in duplicate\n",
    };
    for (const char* text : cases) ExpectSameReading(text);
}

// Files of random lines built from the characters that matter to the reader.
TEST(IniViewTest, ReadsRandomFilesAsTheIniReader) {
    std::mt19937 random(20260607);
    const std::string pieces[] = {"[", "]",  "=",     ";",     " ",      "\t", "\"",
                                  "'", "\r", "\n",    "\r\n",  "S",      "s",  "K",
                                  "k", "v",  "[S]\n", "K=v\n", "[s]\r\n"};
    for (int file = 0; file < 2000; ++file) {
        std::string text;
        int length = static_cast<int>(random() % 60);
        for (int i = 0; i < length; ++i) text += pieces[random() % std::size(pieces)];
        ExpectSameReading(text);
    }
}

// What a section reads depends on its text alone: the same text under a header of its own,
// in a file of nothing else, reads the same for every key (tables are shared on that).
TEST(IniViewTest, ASectionReadsAsItsTextAlone) {
    std::mt19937 random(20261207);
    const std::string pieces[] = {
        "[", "]", "=", ";", " ",     "\t",    "\"",      "'",      "\r",    "\n",  "S",
        "s", "K", "k", "v", "[S]\n", "K=v\n", "[s]\r\n", " [T]\n", "k=w\n", "[S]", "x[S]\n"};
    for (int file = 0; file < 1000; ++file) {
        std::string text;
        int length = static_cast<int>(random() % 60);
        for (int i = 0; i < length; ++i) text += pieces[random() % std::size(pieces)];
        cIniView view = cIniView::Parse(text);
        std::vector<std::string> names = NamesIn(text);
        for (const std::string& section : names) {
            std::optional<std::string_view> sectionText = view.SectionText(section);
            EXPECT_EQ(sectionText.has_value(), view.HasSection(section));
            if (!sectionText) continue;
            cIniView alone = cIniView::Parse("[Alone]\n" + std::string(*sectionText));
            for (const std::string& key : names) {
                EXPECT_EQ(alone.Find("Alone", key), view.Find(section, key))
                    << "[" << section << "] " << key << " in\n"
                    << text;
            }
        }
    }
}

// Many sections, and names of every length around the eight-byte words the index hashes,
// alike but for one byte at the start, in the middle or at the end.
TEST(IniViewTest, ReadsManySectionsAndAlikeNamesAsTheIniReader) {
    std::vector<std::string> names;
    for (std::size_t length : {1, 7, 8, 9, 15, 16, 17, 24, 25}) {
        for (std::size_t at : {std::size_t{0}, length / 2, length - 1}) {
            std::string name(length, 'k');
            name[at] = 'Q';
            names.push_back(name);
        }
    }
    std::string text;
    for (int section = 0; section < 12; ++section) {
        text += "[Effort_PDP_Semidetached_" + std::to_string(section % 10) + "]\n";
        for (const std::string& name : names) text += name + "=" + std::to_string(section) + "\n";
    }
    ExpectSameReading(text);
}

TEST(IniViewTest, ReadOnlyScopeAnswersReadsAndDropsWrites) {
    TempDir dir;
    std::string path = dir.File("member.prj");
    std::string content = "[KORVAL]\r\nVersion=4.1\r\n[Summary]\r\nTitle=Line<ENTER>break\r\n";
    TempDir::WriteFile(path, content);
    cProfileStore& store = cProfileStore::Instance();
    store.Clear();
    std::uint64_t parses = store.ParseCount();
    {
        cReadOnlyProfileScope view(path);
        ASSERT_NE(cReadOnlyProfileScope::ViewOf(path), nullptr);
        EXPECT_EQ(cReadOnlyProfileScope::ViewOf(dir.File("other.prj")), nullptr);
        cProfileFileScope scope(path);
        EXPECT_EQ(ReadProfileValue("Summary", "Title", "", 100, path), "Line\r\nbreak");
        EXPECT_EQ(ReadProfileString("Summary", "Title", "", 5, path), "Line");
        EXPECT_EQ(ReadProfileString("Summary", "Missing", "default", 100, path), "default");
        EXPECT_TRUE(WriteProfileValue("Summary", "Title", "changed", path));
        EXPECT_TRUE(scope.Commit());
        {
            cReadOnlyProfileScope inner(path);
            EXPECT_EQ(ReadProfileString("KORVAL", "Version", "", 10, path), "4.1");
        }
        EXPECT_EQ(ReadProfileString("KORVAL", "Version", "", 10, path), "4.1")
            << "the outer scope answers again";
    }
    EXPECT_EQ(cReadOnlyProfileScope::ViewOf(path), nullptr);
    EXPECT_EQ(store.ParseCount(), parses) << "the store never read the file";
    EXPECT_EQ(TempDir::ReadFile(path), content) << "nothing was written";
    EXPECT_EQ(ReadProfileString("Summary", "Title", "", 100, path), "Line<ENTER>break");
    EXPECT_EQ(store.ParseCount(), parses + 1) << "after the scope, the store reads it";
}

}  // namespace
}  // namespace korval
