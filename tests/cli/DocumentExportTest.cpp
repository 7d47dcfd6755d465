#include <gtest/gtest.h>

#include "app/cEstimatorAppLogic.h"
#include "cli/DocumentExport.h"
#include "cli/FiguresJson.h"
#include "documents/cDocumentFactory.h"
#include "framework/cModelDoc.h"
#include "tests/support/cScriptedPlatform.h"

namespace korval {
namespace {

TEST(DocumentExportTest, TheExtensionChoosesTheFormat) {
    const std::pair<const char*, std::optional<ExportFormat>> cases[] = {
        {"/a/plan.pdf", ExportFormat::Pdf},
        {"plan.TXT", ExportFormat::Text},
        {"plan.html", ExportFormat::Html},
        {"plan.Htm", ExportFormat::Html},
        {"plan.json", ExportFormat::FiguresJson},
        {"plan.csv", ExportFormat::FiguresCsv},
        {"plan.CCM", std::nullopt},
        {"plan", std::nullopt},
    };
    for (const auto& [path, format] : cases) EXPECT_EQ(ExportFormatOfPath(path), format) << path;
}

// Every format holds the report's figures: the text as korval-cli prints it, the HTML as a
// table of the same cells, the figures as korval-cli writes them.
TEST(DocumentExportTest, EveryFormatHoldsTheReportsFigures) {
    testing::cScriptedPlatform platform;
    cEstimatorAppLogic app(platform, KORVAL_DEFAULTS_PROFILE, &CreateDocument);
    std::unique_ptr<cModelDoc> document =
        app.OpenByKind(std::string(KORVAL_SOURCE_DIR) + "/examples/payroll.PRJ");
    ASSERT_TRUE(document);
    std::string text = ExportContent(*document, ExportFormat::Text);
    EXPECT_NE(text.find("Adj. Function Points:                   681.6"), std::string::npos)
        << text;

    std::string html = ExportContent(*document, ExportFormat::Html);
    EXPECT_EQ(html.rfind("<html>", 0), 0u);
    EXPECT_NE(html.find("<table>"), std::string::npos);
    std::size_t label = html.find("<td>Adj. Function Points:</td>");
    ASSERT_NE(label, std::string::npos) << html;
    std::string row = html.substr(label, html.find("</tr>", label) - label);
    EXPECT_NE(row.find("<td>681.6</td>"), std::string::npos) << "one row, one cell a figure\n"
                                                             << row;
    document->SetDescriptionTexts("<R&D>", "", "");
    EXPECT_NE(ExportContent(*document, ExportFormat::Html).find("<td>&lt;R&amp;D&gt;</td>"),
              std::string::npos)
        << "text is escaped";
    Json figures = DocumentFigures(*document);

    Json json = Json::parse(ExportContent(*document, ExportFormat::FiguresJson));
    EXPECT_EQ(json, figures);
    std::string csv = ExportContent(*document, ExportFormat::FiguresCsv);
    EXPECT_NE(csv.find("functionPoint.afp,681."), std::string::npos) << csv;
    EXPECT_TRUE(ExportContent(*document, ExportFormat::Pdf).empty()) << "the desktop prints PDF";
}

}  // namespace
}  // namespace korval
