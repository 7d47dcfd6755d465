#pragma once

#include <string>

namespace korval {

class cReportLayout;

// A laid-out report as an HTML table for the clipboard and export: one table row per
// report row (items sharing a top), one column per distinct left edge in the report, so
// the report's columns line up as cells. Text is escaped; line breaks become <br>.
std::string ReportHtml(const cReportLayout& layout, const std::string& title);

}  // namespace korval
