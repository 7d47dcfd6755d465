#pragma once

namespace korval {

class cCliRunner;

// Gives korval-cli its "--format pdf": the report's printed pages through the desktop's
// print path, without a display. Only a korval-cli built with the desktop has it.
void RegisterPdfReportFormat(cCliRunner& runner);

}  // namespace korval
