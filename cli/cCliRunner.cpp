#include "cli/cCliRunner.h"

#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>
#include <sstream>
#include <variant>

#include "app/CommandLineInfo.h"
#include "app/cEstimatorAppLogic.h"
#include "calibration/CalibratedProfile.h"
#include "calibration/CalibrationReport.h"
#include "cli/CalibrationJson.h"
#include "cli/DesktopPdfPrint.h"
#include "cli/DocumentExport.h"
#include "cli/FiguresJson.h"
#include "cli/FiguresTable.h"
#include "cli/PlanFigures.h"
#include "cli/SimulationJson.h"
#include "cli/SimulationPercentiles.h"
#include "cli/cCliPlatform.h"
#include "cli/cDocumentDiff.h"
#include "documents/DefaultsProfileCheck.h"
#include "documents/cDocumentFactory.h"
#include "framework/TextUtil.h"
#include "framework/UncertaintyInputs.h"
#include "framework/cModelDoc.h"
#include "framework/cProfileStore.h"
#include "framework/cReadOnlyFile.h"
#include "framework/cTextReportSurface.h"
#include "pdfwriter/PdfReportOutput.h"
#include "pdfwriter/PrintFontCache.h"
#include "simulation/Simulate.h"
#include "simulation/SimulationReport.h"
#include "simulation/UncertaintyFileCheck.h"

namespace korval {

namespace {

// Moves the document, when it goes out of scope, to a list kept until the process ends.
struct cDocumentLeftToExit {
    std::unique_ptr<cModelDoc>& document;
    bool leave;
    ~cDocumentLeftToExit() {
        // Never destroyed, and reachable to the end: a leak checker sees nothing lost.
        static auto* kept = new std::vector<std::unique_ptr<cModelDoc>>;
        if (leave && document) kept->push_back(std::move(document));
    }
};

// The document's messages while its pages may still go to the PDF renderer, which gives
// them again: held back, and given at the end unless the renderer took over.
class cHeldMessages {
  public:
    cHeldMessages(std::ostream& err, bool hold) : err_(err), holding_(hold) {}
    ~cHeldMessages() { Emit(); }
    std::ostream& Stream() { return holding_ ? static_cast<std::ostream&>(held_) : err_; }
    void Emit() {
        if (holding_) err_ << held_.str();
        held_.str("");
    }
    // The renderer takes over: what is held, and what comes after, is dropped.
    void Discard() {
        held_.str("");
        holding_ = false;
    }

  private:
    std::ostream& err_;
    bool holding_;
    std::ostringstream held_;
};

constexpr const char* kUsage =
    "usage: korval-cli report  FILE [--profile INI] [--format text|pdf|svg|png -o OUT]\n"
    "       korval-cli figures FILE [--profile INI] [--format json|csv]\n"
    "       korval-cli plan    FILE [--profile INI] [--format text|csv]\n"
    "       korval-cli chart   FILE [--profile INI] [--format svg|png] -o OUT\n"
    "       korval-cli diff    FILE_A FILE_B [--profile INI] [--format text|json]\n"
    "       korval-cli new     KIND OUT [--profile INI]\n"
    "       korval-cli resave  FILE OUT [--profile INI]\n"
    "       korval-cli calibrate HISTORY.csv [--profile INI] [-o OUT.ini] [--format text|json]\n"
    "       korval-cli simulate FILE [--profile INI] [--trials N] [--seed S] [--budget PM]\n"
    "                           [--cost-target AMOUNT] [--deadline MONTHS] [--threads N]\n"
    "                           [--percentile P[,P...]]...\n"
    "       korval-cli --help | --version\n"
    "KIND is one of Project, FunctionPoint, Cocomo, Rayleigh, System.\n";

struct Invocation {
    std::string command;
    std::vector<std::string> operands;
    std::string profile;
    std::string format;  // empty: the command's first format
    std::string output;
    // simulate's options as given, checked by the command itself.
    std::map<std::string, std::string> simulation;
    // simulate's --percentile texts, each a comma list; the option may be repeated.
    std::vector<std::string> percentiles;
};

bool IsSimulationOption(const std::string& arg) {
    return arg == "--trials" || arg == "--seed" || arg == "--budget" || arg == "--deadline" ||
           arg == "--threads" || arg == "--cost-target";
}

std::filesystem::path ExecutableFolder() {
    std::error_code error;
    std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error || program.empty()) return ".";
    return FolderOf(program);
}

bool EndsWith(const std::string& text, std::string_view end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// Charts go to a file: SVG, or PNG when asked for or when the file is named so.
bool KnownChartFormat(Invocation& call) {
    if (call.output.empty()) return false;
    if (call.format.empty())
        call.format = EndsWith(ToLowerAscii(call.output), ".png") ? "png" : "svg";
    return call.format == "svg" || call.format == "png";
}

// Each command's formats, the first one the default.
bool KnownFormat(Invocation& call,
                 const std::map<std::string, cCliRunner::ReportFormat>& reportFormats) {
    if (call.command == "chart") return KnownChartFormat(call);
    const std::map<std::string, std::vector<std::string>> formats = {
        {"report", {"text"}},
        {"figures", {"json", "csv"}},
        {"plan", {"text", "csv"}},
        {"diff", {"text", "json"}},
        {"calibrate", {"text", "json"}}};
    auto own = formats.find(call.command);
    if (own == formats.end()) return true;  // new and resave print nothing
    if (call.format.empty()) call.format = own->second.front();
    for (const std::string& format : own->second) {
        if (format == call.format) return true;
    }
    // "pdf" without a writer of its own is printed by the desktop's PDF renderer.
    bool reportFormat = call.format == "pdf" || reportFormats.count(call.format) != 0;
    return call.command == "report" && reportFormat && !call.output.empty();
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
        } else if (arg == "--percentile" && call.command == "simulate") {
            if (i + 1 >= args.size()) return std::nullopt;
            call.percentiles.push_back(args[++i]);
        } else if (IsSimulationOption(arg) && call.command == "simulate") {
            if (i + 1 >= args.size()) return std::nullopt;
            call.simulation[arg] = args[++i];
        } else if (arg.rfind("--", 0) == 0) {
            return std::nullopt;
        } else {
            call.operands.push_back(arg);
        }
    }
    std::size_t wanted =
        (call.command == "report" || call.command == "figures" || call.command == "plan" ||
         call.command == "chart" || call.command == "calibrate" || call.command == "simulate")
            ? 1
        : (call.command == "new" || call.command == "resave" || call.command == "diff") ? 2
                                                                                        : 0;
    if (wanted == 0 || call.operands.size() != wanted) return std::nullopt;
    // A report as an image is its charts.
    if (call.command == "report" && (call.format == "svg" || call.format == "png"))
        call.command = "chart";
    if (!KnownFormat(call, formats)) return std::nullopt;
    return call;
}

std::string FileContent(const std::string& path) {
    return ReadRegularFile(path, cProfileStore::kDocumentSizeLimit).value_or(std::string());
}

// Exits as diff does: 0 equal, 1 different, 2 when the files cannot be compared.
int RunDiff(cEstimatorAppLogic& app, const Invocation& call, std::ostream& out, std::ostream& err) {
    const std::string& pathA = call.operands[0];
    const std::string& pathB = call.operands[1];
    std::unique_ptr<cModelDoc> a = app.OpenByKind(pathA);
    if (!a) return cCliRunner::kCannotCompare;
    std::unique_ptr<cModelDoc> b = app.OpenByKind(pathB);
    if (!b) return cCliRunner::kCannotCompare;
    if (a->Kind() != b->Kind()) {
        err << "korval-cli: " << pathA << " is a " << a->KindInfo().typeName << " document and "
            << pathB << " a " << b->KindInfo().typeName
            << " document; only documents of one kind compare\n";
        return cCliRunner::kCannotCompare;
    }
    cDocumentDiff diff(FileContent(pathA), FileContent(pathB), DocumentFigures(*a),
                       DocumentFigures(*b));
    if (call.format == "json") {
        out << DumpFigures(diff.ToJson(std::string(a->KindInfo().typeName), pathA, pathB)) << '\n';
    } else {
        out << diff.Text();
    }
    return diff.Equal() ? cCliRunner::kSuccess : cCliRunner::kDifferent;
}

// Prints the calibration and, given -o, writes the calibrated profile with every fitted
// value. A history that gave no project is a file error.
int RunCalibrate(cEstimatorAppLogic& app, const Invocation& call, std::ostream& out,
                 std::ostream& err) {
    CalibrationBaseline baseline = ReadCalibrationBaseline(app.Context());
    Calibration calibration = CalibrateFromFile(call.operands[0], baseline);
    for (const std::string& problem : calibration.history.ProblemTexts()) {
        err << "korval-cli: " << PrintableText(problem) << '\n';
    }
    if (calibration.history.projects.empty()) return cCliRunner::kFileError;
    if (call.format == "json") {
        out << DumpFigures(CalibrationJson(calibration)) << '\n';
    } else {
        out << CalibrationReportText(calibration);
    }
    if (call.output.empty()) return cCliRunner::kSuccess;
    std::vector<CalibrationItem> items = CalibrationItems(calibration);
    for (const CalibrationItem& item : items) {
        if (!item.applied) err << "korval-cli: not written: " << PrintableText(item.label) << '\n';
    }
    ProfileWriteOutcome written = WriteCalibratedProfile(calibration, items, call.output);
    err << "korval-cli: " << written.message << '\n';
    return written.ok ? cCliRunner::kSuccess : cCliRunner::kFileError;
}

// The staffing table of the document; a kind without one is told as an error.
int PrintPlan(const cModelDoc& document, const std::string& format, std::ostream& out,
              std::ostream& err) {
    std::optional<StaffingTable> table = DocumentStaffingTable(document);
    if (!table) {
        err << "korval-cli: a " << document.KindInfo().typeName
            << " document has no staffing plan\n";
        return cCliRunner::kUsageError;
    }
    out << (format == "csv" ? StaffingCsv(*table, DocumentCostRate(document))
                            : StaffingText(*table));
    return cCliRunner::kSuccess;
}

// The request from simulate's options, or the message about the first one that is wrong.
std::variant<SimulationRequest, std::string> SimulationRequestOf(const Invocation& call) {
    SimulationRequest request;
    for (const auto& [option, text] : call.simulation) {
        if (option == "--trials" || option == "--seed" || option == "--threads") {
            std::optional<std::uint64_t> count = ParseSimulationCount(text);
            if (!count) return option + " needs a whole number, not \"" + text + "\"";
            if (option == "--seed") {
                request.seed = *count;
            } else if (option == "--threads") {
                if (*count < 1 || *count > 256) return "--threads needs a number from 1 to 256";
                request.threads = static_cast<unsigned>(*count);
            } else {
                request.trials = static_cast<std::int64_t>(
                    std::min<std::uint64_t>(*count, static_cast<std::uint64_t>(kMaxTrials) + 1));
            }
        } else {
            std::optional<double> value = ParseSimulationNumber(text);
            if (!value) return option + " needs a number, not \"" + text + "\"";
            (option == "--budget"        ? request.targetEffort
             : option == "--cost-target" ? request.targetCost
                                         : request.targetTime) = *value;
        }
    }
    std::string problem = SimulationRequestProblem(request);
    if (!problem.empty()) return problem;
    return request;
}

// The simulation reads such settings as certain: the user is told which key and why.
void PrintUncertaintyProblems(const cModelDoc& document, std::ostream& err) {
    for (const std::string& problem : UncertaintyFileProblems(document.GetPathName()))
        err << "korval-cli: " << PrintableText(document.GetPathName()) << ": "
            << PrintableText(problem) << '\n';
}

int RunSimulate(const cModelDoc& document,
                const std::variant<SimulationRequest, std::string>& request,
                const std::vector<double>& percentiles, std::ostream& out, std::ostream& err) {
    PrintUncertaintyProblems(document, err);
    SimulationResults results = Simulate(document, std::get<SimulationRequest>(request));
    out << DumpFigures(WithPercentiles(SimulationJson(results), results, percentiles)) << '\n';
    return cCliRunner::kSuccess;
}

}  // namespace

bool cCliRunner::RegisterReportFormat(const std::string& name, ReportFormat format) {
    if (!format || name == "text") return false;
    return reportFormats_.emplace(name, std::move(format)).second;
}

bool cCliRunner::RegisterChartFormat(const std::string& name, ReportFormat format) {
    if (!format) return false;
    return chartFormats_.emplace(name, std::move(format)).second;
}

int cCliRunner::Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    try {
        return RunCommand(args, out, err);
    } catch (const std::exception& error) {
        err << "korval-cli: " << PrintableText(error.what()) << '\n';
    } catch (...) {
        err << "korval-cli: the command stopped with an unknown error\n";
    }
    return kFileError;
}

int cCliRunner::RunCommand(const std::vector<std::string>& args, std::ostream& out,
                           std::ostream& err) {
    switch (FindInfoOption(args)) {
        case InfoOption::Help:
            out << kUsage;
            return kSuccess;
        case InfoOption::Version:
            out << VersionText("korval-cli");
            return kSuccess;
        case InfoOption::None:
            break;
    }
    std::optional<Invocation> call = Parse(args, reportFormats_);
    if (!call) {
        err << kUsage;
        return kUsageError;
    }
    const char* profileVariable = std::getenv("KORVAL_PROFILE");
    std::string profile = call->profile.empty() ? cEstimatorAppLogic::GetDefaultsProfilePath(
                                                      ExecutableFolder(), profileVariable)
                                                : call->profile;
    // Every new document and every table comes from the profile: one that cannot be used
    // would print figures from zero constants as if they were an estimate.
    if (std::string problem = DefaultsProfileProblem(profile); !problem.empty()) {
        err << "korval-cli: cannot use the defaults profile " << PrintableText(profile) << ": "
            << problem << '\n';
        return kFileError;
    }
    // PDF pages are drawn here, without Qt, when the renderer measured the print font in
    // the font set-up as it is now; otherwise the renderer prints them and measures it.
    const std::string renderer = (ExecutableFolder() / kPdfRendererName).string();
    std::optional<PrintFontMetrics> printFont;
    if (call->command == "report" && call->format == "pdf" && reportFormats_.count("pdf") == 0) {
        printFont = printfont::LoadCurrent(renderer);
        if (!printFont)
            return PrintPdfThroughRenderer(renderer, call->operands[0], call->output, call->profile,
                                           err);
    }
    if (call->command == "chart" && chartFormats_.count(call->format) == 0) {
        return DrawChartsThroughDesktop((ExecutableFolder() / kDesktopProgramName).string(),
                                        call->operands[0], call->output, call->format,
                                        call->profile, err);
    }
    std::variant<SimulationRequest, std::string> simulation = SimulationRequestOf(*call);
    if (const std::string* problem = std::get_if<std::string>(&simulation)) {
        err << "korval-cli: " << *problem << '\n';
        return kUsageError;
    }
    std::variant<std::vector<double>, std::string> percentiles =
        ParsePercentiles(call->percentiles);
    if (const std::string* problem = std::get_if<std::string>(&percentiles)) {
        err << "korval-cli: " << *problem << '\n';
        return kUsageError;
    }
    cHeldMessages held(err, printFont.has_value());
    cCliPlatform platform(held.Stream());
    cEstimatorAppLogic app(platform, profile, &CreateDocument);
    app.Context().reportAppendix = &SimulationReportAppendix;
    app.SetProfileCheck(&DefaultsProfileProblem);
    if (call->profile.empty()) app.UseUserProfileUnlessNamed(profileVariable);
    app.LoadExtensions();
    if (call->command == "diff") return RunDiff(app, *call, out, err);
    if (call->command == "calibrate") return RunCalibrate(app, *call, out, err);

    std::unique_ptr<cModelDoc> document;
    cDocumentLeftToExit leftToExit{document, leaveDocumentToExit_};
    if (call->command == "new") {
        std::optional<DocumentKind> kind = cDocumentKind::FromTypeName(call->operands[0]);
        if (!kind) {
            platform.FlushMessages();
            err << "korval-cli: unknown kind " << call->operands[0] << '\n' << kUsage;
            return kUsageError;
        }
        document = app.NewDocument(*kind);
    } else {
        document = app.OpenByKind(call->operands[0]);
        if (!document) return kFileError;
    }

    if (printFont) {
        PdfReportOutcome written =
            WriteReportPdf(*document, *printFont, call->output, platform.Now());
        platform.FlushMessages();
        if (written.result == PdfReportResult::kNeedsTextLayout) {
            held.Discard();
            return PrintPdfThroughRenderer(renderer, call->operands[0], call->output, call->profile,
                                           err);
        }
        held.Emit();
        if (written.result == PdfReportResult::kCannotWrite) {
            err << "korval-cli: cannot write " << call->output << '\n';
            return kFileError;
        }
        return kSuccess;
    }
    if (call->command == "chart") {
        platform.FlushMessages();
        return chartFormats_.at(call->format)(*document, call->output, err);
    } else if (call->command == "report" && call->format != "text") {
        platform.FlushMessages();
        return reportFormats_.at(call->format)(*document, call->output, err);
    } else if (call->command == "report") {
        platform.FlushMessages();
        PrintUncertaintyProblems(*document, err);
        out << ReportText(*document);
    } else if (call->command == "figures" && call->format == "csv") {
        out << FiguresCsv(DocumentFigures(*document));
    } else if (call->command == "figures") {
        PrintFigures(out, DocumentFigures(*document));
        out << '\n';
    } else if (call->command == "plan") {
        return PrintPlan(*document, call->format, out, err);
    } else if (call->command == "simulate") {
        platform.FlushMessages();
        return RunSimulate(*document, simulation, std::get<std::vector<double>>(percentiles), out,
                           err);
    } else if (!document->SaveAs(call->operands[1])) {
        return kFileError;
    }
    return kSuccess;
}

}  // namespace korval
