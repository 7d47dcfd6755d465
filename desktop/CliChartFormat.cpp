#include "desktop/CliChartFormat.h"

#include <ostream>

#include "app/qt/cChartImageWriter.h"
#include "cli/cCliRunner.h"

namespace korval {

namespace {

int WriteCharts(cModelDoc& document, const std::string& output, cChartImageWriter::Format format,
                std::ostream& err) {
    cChartImageWriter writer;
    std::string error;
    if (!writer.Write(document, output, format, error)) {
        err << "korval-cli: " << error << '\n';
        return cCliRunner::kFileError;
    }
    return cCliRunner::kSuccess;
}

}  // namespace

void RegisterChartImageFormats(cCliRunner& runner) {
    runner.RegisterChartFormat(
        "svg", [](cModelDoc& document, const std::string& output, std::ostream& err) {
            return WriteCharts(document, output, cChartImageWriter::Format::kSvg, err);
        });
    runner.RegisterChartFormat(
        "png", [](cModelDoc& document, const std::string& output, std::ostream& err) {
            return WriteCharts(document, output, cChartImageWriter::Format::kPng, err);
        });
}

int DrawChartsHeadless(const std::vector<std::string>& arguments, std::ostream& out,
                       std::ostream& err) {
    if (arguments.size() < 2) {
        err << "usage: korval --print-chart FILE OUT [--format svg|png] [--profile INI]\n";
        return cCliRunner::kUsageError;
    }
    std::vector<std::string> chart = {"chart", arguments[0], "-o", arguments[1]};
    chart.insert(chart.end(), arguments.begin() + 2, arguments.end());
    cCliRunner runner;
    RegisterChartImageFormats(runner);
    return runner.Run(chart, out, err);
}

}  // namespace korval
