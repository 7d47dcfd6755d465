#include "cli/DocumentExport.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "cli/FiguresJson.h"
#include "cli/FiguresTable.h"
#include "framework/ReportHtml.h"
#include "framework/cModelDoc.h"
#include "framework/cTextReportSurface.h"

namespace korval {

std::optional<ExportFormat> ExportFormatOfPath(const std::string& path) {
    std::string extension = std::filesystem::path(path).extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (extension == ".pdf") return ExportFormat::Pdf;
    if (extension == ".txt") return ExportFormat::Text;
    if (extension == ".html" || extension == ".htm") return ExportFormat::Html;
    if (extension == ".json") return ExportFormat::FiguresJson;
    if (extension == ".csv") return ExportFormat::FiguresCsv;
    return std::nullopt;
}

std::string ReportText(cModelDoc& document) {
    cTextReportSurface surface;
    document.LayOutReport(surface).DrawAll(surface);
    return surface.Render();
}

std::string ReportHtmlText(cModelDoc& document) {
    cTextReportSurface surface;
    std::string title =
        document.GetTitle().empty() ? document.GetDocumentTitle() : document.GetTitle();
    return ReportHtml(document.LayOutReport(surface), title);
}

std::string ExportContent(cModelDoc& document, ExportFormat format) {
    switch (format) {
        case ExportFormat::Text:
            return ReportText(document);
        case ExportFormat::Html:
            return ReportHtmlText(document);
        case ExportFormat::FiguresJson:
            return DumpFigures(DocumentFigures(document)) + "\n";
        case ExportFormat::FiguresCsv:
            return FiguresCsv(DocumentFigures(document));
        case ExportFormat::Pdf:
            break;
    }
    return {};
}

}  // namespace korval
