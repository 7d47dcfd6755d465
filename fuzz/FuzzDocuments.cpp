// Arbitrary bytes loaded as a Korval file. Opened as the program opens a file, the report is
// laid out, the figures exported and the document saved again; loaded by one kind's loader,
// its figures are checked, so that the loaders are fuzzed fast and deep while
// the round trip is fuzzed once for every kind: none of it may crash, hang or leak.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "app/cEstimatorAppLogic.h"
#include "cli/FiguresJson.h"
#include "cli/cCliPlatform.h"
#include "documents/cDocumentFactory.h"
#include "framework/cDrawContext.h"
#include "framework/cModelDoc.h"
#include "framework/cProfileStore.h"
#include "framework/cTextReportSurface.h"
#include "fuzz/FuzzTargets.h"
#include "simulation/Simulate.h"

namespace korval::fuzz {

namespace {

std::string ScratchPath(const char* name) {
    // Memory-backed when available: every input is saved again, and a save syncs its file.
    const char* folder = ::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    return std::string(folder) + "/korval-fuzz-" + std::to_string(::getpid()) + "-" + name;
}

// Finite inputs give finite figures: the export has null (what a number that is not
// finite exports as) only for the documented MBI of no size, the productivity of no
// application type and a cost driver rating that is not defined.
bool MayBeNull(std::string_view key, std::string_view parent, const Json& object) {
    bool noApplicationType = object.value("applicationType", std::string("?")).empty();
    return key == "mbi" || parent == "mbi" || key == "rating" ||
           (noApplicationType && (key == "productivityIndex" || key == "productivityMeasure"));
}

void CheckFigures(const Json& value, std::string_view key, std::string_view parent,
                  const Json& object) {
    if (value.is_null() && !MayBeNull(key, parent, object)) std::abort();
    if (value.is_object()) {
        for (const auto& item : value.items()) CheckFigures(item.value(), item.key(), key, value);
    } else if (value.is_array()) {
        for (const Json& element : value) CheckFigures(element, "", key, value);
    }
}

Json CheckedFigures(cModelDoc& document) {
    Json figures = DocumentFigures(document);
    CheckFigures(figures, "", "", figures);
    return figures;
}

void RoundTrip(cModelDoc& document, const std::string& output) {
    cTextReportSurface surface;
    cDrawContext dc(surface);
    int y = 5;
    document.DrawReport(dc, y, 0);
    dc.layout.DrawAll(surface);
    (void)surface.Render();
    (void)DumpFigures(CheckedFigures(document));
    // A save may fail on hostile input; it must only fail cleanly.
    static_cast<void>(document.SaveAs(output));
}

// What the program sets up once per session: the platform (its messages go nowhere) and
// the application with the extensions of the defaults profile. Without KORVAL_PROFILE the
// input is the defaults profile too, and its extensions are read with every input.
struct Session {
    std::string input = ScratchPath("input.ini");
    std::string output = ScratchPath("output.ini");
    const char* namedProfile = std::getenv("KORVAL_PROFILE");
    std::ostream nowhere{nullptr};
    cCliPlatform platform{nowhere};
    cEstimatorAppLogic app{platform, namedProfile != nullptr ? namedProfile : input,
                           &CreateDocument};

    Session() { app.LoadExtensions(); }
};

// Opens the input as kind (or as the kind it says it is). Only the input's and the
// output's files are forgotten afterwards: the defaults profile stays parsed, as it does
// in the program.
// Whatever the file's uncertainty settings hold, the simulation must not throw (an uncaught
// exception aborts the fuzzer) nor hang.
void CheckSimulation(const cModelDoc& document) {
    SimulationRequest request;
    request.trials = 64;
    request.threads = 1;
    (void)Simulate(document, request);
}

int FuzzDocument(std::optional<DocumentKind> kind, const std::uint8_t* data, std::size_t size,
                 bool simulate = false) {
    static Session session;
    const std::string& input = session.input;
    const std::string& output = session.output;
    std::ofstream(input, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));

    if (session.namedProfile == nullptr) session.app.LoadExtensions();
    std::unique_ptr<cModelDoc> document;
    if (kind) {
        document = CreateDocument(*kind, session.app.Context());
        document->SetPathName(input);
        // What could not be read stays as reset, and is exercised all the same.
        static_cast<void>(document->LoadModel(input));
        (void)CheckedFigures(*document);
    } else {
        document = session.app.OpenByKind(input);
        if (document && simulate) CheckSimulation(*document);
        if (document && !simulate) RoundTrip(*document, output);
    }
    document.reset();
    cProfileStore::Instance().Forget(input);
    cProfileStore::Instance().Forget(output);
    ::unlink(input.c_str());
    ::unlink(output.c_str());
    return 0;
}

}  // namespace

int FuzzOpenFile(const std::uint8_t* data, std::size_t size) {
    return FuzzDocument(std::nullopt, data, size);
}
int FuzzSimulation(const std::uint8_t* data, std::size_t size) {
    return FuzzDocument(std::nullopt, data, size, true);
}
int FuzzCocomoLoader(const std::uint8_t* data, std::size_t size) {
    return FuzzDocument(DocumentKind::Cocomo, data, size);
}
int FuzzFunctionPointLoader(const std::uint8_t* data, std::size_t size) {
    return FuzzDocument(DocumentKind::FunctionPoint, data, size);
}
int FuzzRayleighLoader(const std::uint8_t* data, std::size_t size) {
    return FuzzDocument(DocumentKind::Rayleigh, data, size);
}
int FuzzProjectLoader(const std::uint8_t* data, std::size_t size) {
    return FuzzDocument(DocumentKind::Project, data, size);
}
int FuzzSystemLoader(const std::uint8_t* data, std::size_t size) {
    return FuzzDocument(DocumentKind::System, data, size);
}

}  // namespace korval::fuzz
