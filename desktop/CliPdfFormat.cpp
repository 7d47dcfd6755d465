#include "desktop/CliPdfFormat.h"

#include <ctime>
#include <ostream>

#include "app/qt/cPdfReportWriter.h"
#include "cli/cCliRunner.h"

namespace korval {

namespace {

int WritePdf(cModelDoc& document, const std::string& output, std::ostream& err) {
    std::time_t now = std::time(nullptr);
    std::tm jobTime{};
    localtime_r(&now, &jobTime);
    cPdfReportWriter writer;
    std::string error;
    if (!writer.Write(document, output, jobTime, error)) {
        err << "korval-cli: " << error << '\n';
        return cCliRunner::kFileError;
    }
    return cCliRunner::kSuccess;
}

}  // namespace

void RegisterPdfReportFormat(cCliRunner& runner) {
    runner.RegisterReportFormat("pdf", &WritePdf);
}

int PrintPdfHeadless(const std::vector<std::string>& arguments, std::ostream& out,
                     std::ostream& err) {
    if (arguments.size() < 2) {
        err << "usage: korval --print-pdf FILE OUT.pdf [--profile INI]\n";
        return cCliRunner::kUsageError;
    }
    std::vector<std::string> report = {"report", arguments[0], "--format",
                                       "pdf",    "-o",         arguments[1]};
    report.insert(report.end(), arguments.begin() + 2, arguments.end());
    cCliRunner runner;
    RegisterPdfReportFormat(runner);
    return runner.Run(report, out, err);
}

}  // namespace korval
