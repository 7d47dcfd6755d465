#pragma once

#include <functional>
#include <map>
#include <ostream>
#include <string>
#include <vector>

namespace korval {

class cModelDoc;

// korval-cli: report, figures, plan, chart, calibrate, diff, new, resave and simulate; --help
// and --version. Exit status 0 on success, 1 when a file cannot be opened, is not a Korval
// file or cannot be saved, 2 on bad usage. diff exits as diff does: 0 equal, 1 different, 2
// when it cannot compare. Whatever a command's libraries throw ends the command with a
// message and status 1, never with an abort.
class cCliRunner {
  public:
    int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

    // A report format beyond "text": writes the document's report to the output path given
    // with -o and returns the exit status. Without a "pdf" format of its own the runner
    // hands PDF output to the desktop's PDF renderer beside it (PrintPdfThroughRenderer).
    using ReportFormat =
        std::function<int(cModelDoc& document, const std::string& output, std::ostream& err)>;
    // Given by the executable's main before Run; false when the name is taken.
    bool RegisterReportFormat(const std::string& name, ReportFormat format);
    // A format of the chart command ("svg", "png"), with the same signature: writes the
    // report's charts to the output path. Without one of its own the runner hands chart
    // output to the desktop program beside it (DrawChartsThroughDesktop).
    bool RegisterChartFormat(const std::string& name, ReportFormat format);
    // The executable's main, whose process ends when Run returns, leaves the document Run
    // opened to the process's end instead of taking it apart: freeing a large system's
    // members one by one costs a tenth of reading them.
    void LeaveDocumentToExit() { leaveDocumentToExit_ = true; }

    static constexpr int kSuccess = 0;
    static constexpr int kFileError = 1;
    static constexpr int kUsageError = 2;
    static constexpr int kDifferent = 1;
    static constexpr int kCannotCompare = 2;

  private:
    int RunCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

    std::map<std::string, ReportFormat> reportFormats_;
    std::map<std::string, ReportFormat> chartFormats_;
    bool leaveDocumentToExit_ = false;
};

}  // namespace korval
