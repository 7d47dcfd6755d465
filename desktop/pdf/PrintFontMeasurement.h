#pragma once

#include <optional>
#include <string>
#include <vector>

#include "pdfwriter/PrintFontMetrics.h"

namespace korval {

// The print font on PDF pages as Qt measures it, for korval-cli to print without Qt; none
// when plain lines in it are not one glyph per character or it cannot be embedded. Needs
// a Qt application.
std::optional<PrintFontMetrics> MeasurePrintFont();

// The files and folders whose change may change the fonts Qt finds: the font
// configuration's files and its font folders, as fontconfig loaded them.
std::vector<std::string> FontConfigurationPaths();

// Keeps the print font's metrics for korval-cli unless they are kept for the font set-up
// as it is now. renderer is this program's path.
void KeepPrintFontMetrics(const std::string& renderer);

}  // namespace korval
