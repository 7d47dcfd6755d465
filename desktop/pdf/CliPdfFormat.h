#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace korval {

// `korval-pdf FILE OUT [--profile INI]` and `korval --print-pdf FILE OUT [--profile INI]`:
// what korval-cli hands its PDF output to. The file opens and prints as `korval-cli report
// FILE --format pdf -o OUT` would, with korval-cli's messages and exit status; the file is
// read while Qt starts. command is how the program is called, for the usage message.
int PrintPdfHeadless(std::string_view command, const std::vector<std::string>& arguments,
                     std::ostream& out, std::ostream& err);

inline constexpr std::string_view kPdfRendererCommand = "korval-pdf";
inline constexpr std::string_view kPdfRendererUsage =
    "usage: korval-pdf FILE OUT.pdf [--profile INI]\n"
    "Prints the report of FILE, a Korval document of any kind, to the PDF file OUT.pdf with\n"
    "the pages of the desktop application's File, Print, as\n"
    "korval-cli report FILE --format pdf -o OUT.pdf does.\n"
    "  -h, --help  print this help and exit\n"
    "  --version   print the version and exit\n";

}  // namespace korval
