#pragma once

#include <ostream>
#include <string>

namespace korval {

// The desktop application's headless output: the programs korval-cli looks for beside
// itself and the desktop program's options.
inline constexpr const char* kDesktopProgramName = "korval";
inline constexpr const char* kPdfRendererName = "korval-pdf";
inline constexpr const char* kPrintPdfOption = "--print-pdf";
inline constexpr const char* kPrintChartOption = "--print-chart";

// korval-cli's PDF output without loading Qt itself: the desktop application's PDF
// renderer prints the report headless (`korval-pdf FILE OUT [--profile INI]` on the
// offscreen platform), with the same pages as File, Print, and its exit status is
// korval-cli's. Without that program (a build without the desktop) the message says so and
// the status is 1. An empty profile leaves the renderer to find the same one.
int PrintPdfThroughRenderer(const std::string& renderer, const std::string& file,
                            const std::string& output, const std::string& profile,
                            std::ostream& err);

// korval-cli's chart images the same way: `korval --print-chart FILE OUT --format svg|png
// [--profile INI]` draws the report's charts as they print.
int DrawChartsThroughDesktop(const std::string& desktopProgram, const std::string& file,
                             const std::string& output, const std::string& format,
                             const std::string& profile, std::ostream& err);

}  // namespace korval
