#pragma once

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "cocomo/cCocomoDoc.h"
#include "framework/cAppContext.h"
#include "tests/support/TempDir.h"
#include "tests/support/cRecordingSurface.h"
#include "tests/support/cScriptedPlatform.h"

namespace korval::testing {

// A COCOMO document over the bundled defaults profile (or a profile of the test's own),
// with a scripted platform and a scratch folder.
class CocomoTest : public ::testing::Test {
  protected:
    TempDir dir;
    cScriptedPlatform platform;
    cAppContext context{platform, KORVAL_DEFAULTS_PROFILE};

    std::unique_ptr<cCocomoDoc> NewDocument() { return std::make_unique<cCocomoDoc>(context); }

    // A document of the given mode and size with every cost driver at Nominal.
    std::unique_ptr<cCocomoDoc> Estimate(DevelopmentMode mode, double sourceLines) {
        auto document = NewDocument();
        document->SetDevelopmentMode(mode);
        document->SetSourceLines(sourceLines);
        return document;
    }

    // Writes a file in the scratch folder (lines joined with CR LF) and returns its path.
    std::string WriteFile(const std::string& name, const std::vector<std::string>& lines) {
        std::string content;
        for (const std::string& line : lines) content += line + "\r\n";
        std::string path = dir.File(name);
        TempDir::WriteFile(path, content);
        return path;
    }

    // Makes the defaults profile a file of the test's own.
    void UseProfile(const std::vector<std::string>& lines) {
        context.defaultsProfilePath = WriteFile("defaults.ini", lines);
    }

    // Index of the first cost driver whose name starts with the text.
    static std::size_t DriverIndex(const std::string& namePrefix, const cCocomoDoc& document) {
        const auto& drivers = document.GetCostDrivers();
        for (std::size_t i = 0; i < drivers.size(); ++i) {
            if (drivers[i].GetName().rfind(namePrefix, 0) == 0) return i;
        }
        ADD_FAILURE() << "no cost driver " << namePrefix;
        return 0;
    }
};

// The report of a document as rows of non-empty cells joined by " | ".
inline std::vector<std::string> ReportRows(cCocomoDoc& document) {
    cRecordingSurface surface;
    cDrawContext dc(surface);
    int y = 5;
    document.DrawReport(dc, y, TextFlags::kBase);
    dc.layout.DrawAll(surface);
    std::map<int, std::string> rows;
    for (const cRecordingSurface::Drawn& item : surface.drawn) {
        std::string& row = rows[item.rect.top];
        row += (row.empty() ? "" : " | ") + item.text;
    }
    std::vector<std::string> result;
    for (auto& [top, row] : rows) result.push_back(row);
    return result;
}

}  // namespace korval::testing
