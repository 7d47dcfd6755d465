#pragma once

#include <optional>
#include <string>

namespace korval {

class cModelDoc;

// What File, Export writes, chosen by the file's extension.
enum class ExportFormat { Pdf, Text, Html, FiguresJson, FiguresCsv };

// The file-dialog filters of Export, PDF first.
inline constexpr const char* kExportFilters =
    "PDF (*.pdf)|*.pdf|Text (*.txt)|*.txt|HTML (*.html)|*.html|"
    "Figures as JSON (*.json)|*.json|Figures as CSV (*.csv)|*.csv|";

// The format of a file name's extension (any letter case); none for another extension.
std::optional<ExportFormat> ExportFormatOfPath(const std::string& path);

// The report as korval-cli prints it: a character grid, one report row a line.
std::string ReportText(cModelDoc& document);
// The report as an HTML table (see ReportHtml).
std::string ReportHtmlText(cModelDoc& document);
// The content of an export file in any format but PDF (which the desktop prints).
std::string ExportContent(cModelDoc& document, ExportFormat format);

}  // namespace korval
