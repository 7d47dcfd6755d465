#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace korval {

class cCliRunner;

// Gives a command-line runner its "--format pdf": the report's printed pages through the
// desktop's print path, without a display.
void RegisterPdfReportFormat(cCliRunner& runner);

// `korval --print-pdf FILE OUT [--profile INI]`: what korval-cli hands its PDF output to.
// The file opens and prints as `korval-cli report FILE --format pdf -o OUT` would, with
// korval-cli's messages and exit status.
int PrintPdfHeadless(const std::vector<std::string>& arguments, std::ostream& out,
                     std::ostream& err);

}  // namespace korval
