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

}  // namespace korval
