#include <gtest/gtest.h>

#include <random>

#include "framework/TextUtil.h"
#include "framework/cProfileStore.h"
#include "framework/cReadOnlyProfileScope.h"
#include "functionpoint/cFunctionPointDoc.h"
#include "project/cProjectDoc.h"
#include "tests/support/TempDir.h"
#include "tests/support/cScriptedPlatform.h"

namespace korval {
namespace {

using testing::TempDir;

// A file as lines under headers, to be varied section by section.
struct Section {
    std::string header;
    std::vector<std::string> lines;
};

std::vector<Section> SplitSections(const std::string& text) {
    std::vector<Section> sections(1);
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(pos, end - pos);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty() && line.front() == '[') {
            sections.push_back({line, {}});
        } else {
            sections.back().lines.push_back(line);
        }
        pos = end + 1;
    }
    return sections;
}

std::string JoinSections(const std::vector<Section>& sections, bool crlf) {
    std::string eol = crlf ? "\r\n" : "\n";
    std::string text;
    for (const Section& section : sections) {
        if (!section.header.empty()) text += section.header + eol;
        for (const std::string& line : section.lines) text += line + eol;
    }
    return text;
}

std::string Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// One of the ways a table section may differ from the one the defaults wrote.
void Vary(std::vector<Section>& sections, std::size_t at, int how, std::mt19937& random) {
    Section& section = sections[at];
    std::vector<std::string>& lines = section.lines;
    auto pick = [&] { return static_cast<std::size_t>(random() % lines.size()); };
    if (lines.empty()) return;
    switch (how) {
        case 0:  // keys in another order
            std::shuffle(lines.begin(), lines.end(), random);
            break;
        case 1: {  // a key given twice: the first one counts
            std::string line = lines[pick()];
            std::size_t equals = line.find('=');
            if (equals != std::string::npos) lines.push_back(line.substr(0, equals) + "=0.5");
            lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(pick()), line);
            break;
        }
        case 2:  // a key missing
            lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(pick()));
            break;
        case 3:  // names in another case
            for (std::string& line : lines) {
                std::size_t equals = line.find('=');
                if (equals != std::string::npos)
                    line = Lower(line.substr(0, equals)) + line.substr(equals);
            }
            section.header = Lower(section.header);
            break;
        case 4:  // a value that is no valid entry
            lines[pick()] = lines[pick()].substr(0, lines[pick()].find('=') + 1) + "x";
            break;
        case 5:  // blanks, quotes and comments
            for (std::string& line : lines) {
                std::size_t equals = line.find('=');
                if (equals != std::string::npos)
                    line =
                        "  " + line.substr(0, equals) + " = \"" + line.substr(equals + 1) + "\" ";
            }
            lines.insert(lines.begin(), "; a comment=1");
            break;
        case 6: {  // the section again further on: only the first counts
            Section copy = section;
            for (std::string& line : copy.lines) line = ReplaceAll(line, "=", "=9");
            sections.push_back(copy);
            break;
        }
        case 7:  // no such section
            section.header = "[Gone_" + section.header.substr(1);
            break;
        case 8:  // a value changed to another valid one
            lines[pick()] = lines[pick()].substr(0, lines[pick()].find('=') + 1) + "0.25";
            break;
    }
}

// Members read through a view share each distinct table read from their files; a table taken
// from the kept ones is exactly the one reading the file key by key gives (same bytes saved,
// same messages in the same order), however the sections vary.
TEST(SharedTablesTest, ASharedTableIsExactlyTheTableReadKeyByKey) {
    TempDir dir;
    testing::cScriptedPlatform platform;
    platform.AcceptAllMessages();
    cAppContext context{platform, KORVAL_DEFAULTS_PROFILE};
    std::string original = dir.File("original.prj");
    {
        cProjectDoc project(context);
        project.FunctionPointModel().SetCount(2, 40);
        ASSERT_TRUE(project.SaveAs(original));
    }
    // A project as saved from the defaults, and one with uncertainty in every model.
    const std::string bases[] = {original,
                                 std::string(KORVAL_SOURCE_DIR) + "/examples/ground-station.PRJ"};
    std::mt19937 random(7);
    for (int variant = 0; variant < 300; ++variant) {
        std::vector<Section> sections = SplitSections(TempDir::ReadFile(bases[variant % 2]));
        std::vector<std::size_t> tables;
        for (std::size_t i = 0; i < sections.size(); ++i) {
            const std::string& header = sections[i].header;
            if (header == "[Languages]" || header == "[Application_Types]" ||
                header == "[Filter_Values]" || header.find("_CDA_Group]") != std::string::npos ||
                header.find("_PDP_") != std::string::npos ||
                header.find("_Uncertainty]") != std::string::npos ||
                header == "[FP_Sensitivity_Analysis]") {
                tables.push_back(i);
            }
        }
        ASSERT_GE(tables.size(), 1u + 1u + 1u + 4u + 6u);
        int changes = variant < 2 ? 0 : 1 + static_cast<int>(random() % 3);
        for (int i = 0; i < changes; ++i)
            Vary(sections, tables[random() % tables.size()], static_cast<int>(random() % 9),
                 random);
        std::string path = dir.File("variant.prj");
        TempDir::WriteFile(path, JoinSections(sections, variant % 4 == 3));
        SCOPED_TRACE("variant " + std::to_string(variant) + ":\n" + TempDir::ReadFile(path));

        std::size_t before = platform.Messages().size();
        cProjectDoc keyByKey(context);
        ASSERT_TRUE(keyByKey.LoadModel(path));
        cProfileStore::Instance().Forget(path);
        std::vector<std::string> expectedMessages(
            platform.Messages().begin() + static_cast<std::ptrdiff_t>(before),
            platform.Messages().end());
        ASSERT_TRUE(keyByKey.SaveAs(dir.File("expected.prj")));
        std::string expected = TempDir::ReadFile(dir.File("expected.prj"));
        // The first read through a view reads and keeps the tables, the second takes them.
        for (int read = 0; read < 2; ++read) {
            before = platform.Messages().size();
            cProjectDoc shared(context);
            {
                cReadOnlyProfileScope view(path);
                ASSERT_TRUE(shared.LoadModel(path));
            }
            EXPECT_EQ(std::vector<std::string>(
                          platform.Messages().begin() + static_cast<std::ptrdiff_t>(before),
                          platform.Messages().end()),
                      expectedMessages)
                << "read " << read;
            ASSERT_TRUE(shared.SaveAs(dir.File("shared.prj")));
            EXPECT_EQ(TempDir::ReadFile(dir.File("shared.prj")), expected) << "read " << read;
        }
    }
}

// Two members whose tables are alike share them; one whose languages differ reads its own.
TEST(SharedTablesTest, MembersWithTheSameTablesShareThem) {
    TempDir dir;
    testing::cScriptedPlatform platform;
    cAppContext context{platform, KORVAL_DEFAULTS_PROFILE};
    std::string first = dir.File("first.prj");
    std::string second = dir.File("second.prj");
    std::string other = dir.File("other.prj");
    {
        cProjectDoc project(context);
        ASSERT_TRUE(project.SaveAs(first));
        project.SetDescriptionTexts("Second", "", "");
        ASSERT_TRUE(project.SaveAs(second));
    }
    TempDir::WriteFile(
        other, ReplaceAll(TempDir::ReadFile(first), "LanguageMult01=320", "LanguageMult01=321"));
    auto languagesOf = [&](const std::string& path) {
        auto project = std::make_unique<cProjectDoc>(context);
        cReadOnlyProfileScope view(path);
        EXPECT_TRUE(project->LoadModel(path));
        return project;
    };
    auto a = languagesOf(first);
    auto b = languagesOf(second);
    auto c = languagesOf(other);
    EXPECT_EQ(&a->GetFunctionPointModel()->GetLanguageTable(),
              &b->GetFunctionPointModel()->GetLanguageTable());
    EXPECT_NE(&a->GetFunctionPointModel()->GetLanguageTable(),
              &c->GetFunctionPointModel()->GetLanguageTable());
    EXPECT_EQ(c->GetFunctionPointModel()->GetLanguageTable().At(2).GetMultiplier(), 321);
}

}  // namespace
}  // namespace korval
