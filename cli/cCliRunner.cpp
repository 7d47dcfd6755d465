#include "cli/cCliRunner.h"

#include <unistd.h>

#include <cstdlib>
#include <map>
#include <optional>

#include "app/cEstimatorAppLogic.h"
#include "cli/DesktopPdfPrint.h"
#include "cli/FiguresJson.h"
#include "cli/cCliPlatform.h"
#include "documents/cDocumentFactory.h"
#include "framework/TextUtil.h"
#include "framework/cModelDoc.h"
#include "framework/cTextReportSurface.h"

namespace korval {

namespace {

constexpr const char* kUsage =
    "usage: korval-cli report  FILE [--profile INI] [--format text|pdf -o OUT]\n"
    "       korval-cli figures FILE [--profile INI]\n"
    "       korval-cli new     KIND OUT [--profile INI]\n"
    "       korval-cli resave  FILE OUT [--profile INI]\n"
    "KIND is one of Project, FunctionPoint, Cocomo, Rayleigh, System.\n";

struct Invocation {
    std::string command;
    std::vector<std::string> operands;
    std::string profile;
    std::string format = "text";
    std::string output;
};

std::string ExecutableFolder() {
    char buffer[4096];
    ssize_t length = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (length <= 0) return ".";
    return FolderOf(std::string_view(buffer, static_cast<std::size_t>(length)));
}

std::optional<Invocation> Parse(const std::vector<std::string>& args,
                                const std::map<std::string, cCliRunner::ReportFormat>& formats) {
    if (args.empty()) return std::nullopt;
    Invocation call;
    call.command = args[0];
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--profile" || arg == "--format" || arg == "-o" || arg == "--output") {
            if (i + 1 >= args.size()) return std::nullopt;
            std::string& value = arg == "--profile"  ? call.profile
                                 : arg == "--format" ? call.format
                                                     : call.output;
            value = args[++i];
        } else if (arg.rfind("--", 0) == 0) {
            return std::nullopt;
        } else {
            call.operands.push_back(arg);
        }
    }
    std::size_t wanted = (call.command == "report" || call.command == "figures") ? 1
                         : (call.command == "new" || call.command == "resave")   ? 2
                                                                                 : 0;
    if (wanted == 0 || call.operands.size() != wanted) return std::nullopt;
    // "pdf" without a writer of its own is printed by the desktop program.
    bool knownFormat = call.format == "pdf" || formats.count(call.format) != 0;
    if (call.command == "report" && call.format != "text" &&
        (!knownFormat || call.output.empty())) {
        return std::nullopt;
    }
    return call;
}

std::string RenderReport(cModelDoc& document) {
    cTextReportSurface surface;
    document.LayOutReport(surface).DrawAll(surface);
    return surface.Render();
}

}  // namespace

bool cCliRunner::RegisterReportFormat(const std::string& name, ReportFormat format) {
    if (!format || name == "text") return false;
    return reportFormats_.emplace(name, std::move(format)).second;
}

int cCliRunner::Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::optional<Invocation> call = Parse(args, reportFormats_);
    if (!call) {
        err << kUsage;
        return kUsageError;
    }
    std::string profile = call->profile.empty()
                              ? cEstimatorAppLogic::GetDefaultsProfilePath(
                                    ExecutableFolder(), std::getenv("KORVAL_PROFILE"))
                              : call->profile;
    if (call->command == "report" && call->format == "pdf" && reportFormats_.count("pdf") == 0) {
        return PrintPdfThroughDesktop(ExecutableFolder() + "/" + kDesktopProgramName,
                                      call->operands[0], call->output, call->profile, err);
    }
    cCliPlatform platform(err);
    cEstimatorAppLogic app(platform, profile, &CreateDocument);
    app.LoadExtensions();

    std::unique_ptr<cModelDoc> document;
    if (call->command == "new") {
        std::optional<DocumentKind> kind = cDocumentKind::FromTypeName(call->operands[0]);
        if (!kind) {
            err << "korval-cli: unknown kind " << call->operands[0] << '\n' << kUsage;
            return kUsageError;
        }
        document = app.NewDocument(*kind);
    } else {
        document = app.OpenByKind(call->operands[0]);
        if (!document) return kFileError;
    }

    if (call->command == "report" && call->format != "text") {
        return reportFormats_.at(call->format)(*document, call->output, err);
    } else if (call->command == "report") {
        out << RenderReport(*document);
    } else if (call->command == "figures") {
        out << DumpFigures(DocumentFigures(*document)) << '\n';
    } else if (!document->SaveAs(call->operands[1])) {
        return kFileError;
    }
    return kSuccess;
}

}  // namespace korval
