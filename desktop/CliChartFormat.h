#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace korval {

class cCliRunner;

// Gives a command-line runner the chart command's "svg" and "png": the report's charts
// drawn as they print, without a display.
void RegisterChartImageFormats(cCliRunner& runner);

// `korval --print-chart FILE OUT [--format svg|png] [--profile INI]`: what korval-cli hands
// its chart output to. The file opens and draws as `korval-cli chart FILE -o OUT` would,
// with korval-cli's messages and exit status.
int DrawChartsHeadless(const std::vector<std::string>& arguments, std::ostream& out,
                       std::ostream& err);

}  // namespace korval
