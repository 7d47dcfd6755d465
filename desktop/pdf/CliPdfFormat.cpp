#include "desktop/pdf/CliPdfFormat.h"

#include <ctime>
#include <filesystem>
#include <ostream>

#include "app/qt/cOffscreenApplication.h"
#include "app/qt/cPdfReportWriter.h"
#include "cli/DesktopPdfPrint.h"
#include "cli/cCliRunner.h"
#include "desktop/pdf/PrintFontMeasurement.h"
#include "desktop/pdf/cThreadHandoff.h"
#include "framework/cThreadOnAnotherCore.h"

namespace korval {

namespace {

// The runner's "--format pdf": the report's printed pages through the desktop's print path,
// without a display.
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
    // The next report korval-cli prints needs no renderer while the fonts stay as they are.
    // The renderer korval-cli looks for is the one beside this program (this program, or
    // the desktop's for its --print-pdf: the same Qt measures the same font).
    std::error_code unknown;
    std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", unknown);
    KeepPrintFontMetrics((program.parent_path() / kPdfRendererName).string());
    return cCliRunner::kSuccess;
}

}  // namespace

int PrintPdfHeadless(std::string_view command, const std::vector<std::string>& arguments,
                     std::ostream& out, std::ostream& err) {
    if (arguments.size() < 2) {
        err << "usage: " << command << " FILE OUT.pdf [--profile INI]\n";
        return cCliRunner::kUsageError;
    }
    std::vector<std::string> report = {"report", arguments[0], "--format",
                                       "pdf",    "-o",         arguments[1]};
    report.insert(report.end(), arguments.begin() + 2, arguments.end());
    // Reading the document needs no Qt, and starting Qt (its libraries, platform and fonts)
    // takes about as long: the document is read on a thread of its own meanwhile, and its
    // pages are drawn on this thread, where Qt started. The core reads numbers and names
    // without the C locale, which Qt sets from the environment as it starts.
    cThreadHandoff qtThread;
    cThreadOnAnotherCore reader([&] {
        cCliRunner runner;
        runner.RegisterReportFormat(
            "pdf",
            [&qtThread](cModelDoc& document, const std::string& output, std::ostream& messages) {
                return qtThread.Call([&] { return WritePdf(document, output, messages); });
            });
        qtThread.Finish(runner.Run(report, out, err));
    });
    cOffscreenApplication application;
    cPdfReportWriter::LoadFonts();
    int status = qtThread.Serve();
    reader.Join();
    return status;
}

}  // namespace korval
