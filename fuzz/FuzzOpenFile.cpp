// Opens arbitrary bytes as a Korval file the way the program does, then lays out its
// report, exports its figures and saves it again: none of it may crash or hang.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>

#include "app/cEstimatorAppLogic.h"
#include "cli/FiguresJson.h"
#include "cli/cCliPlatform.h"
#include "documents/cDocumentFactory.h"
#include "framework/cIniFile.h"
#include "framework/cModelDoc.h"
#include "framework/cProfileStore.h"
#include "framework/cTextReportSurface.h"

namespace {

std::string ScratchPath(const char* name) {
    // Memory-backed when available: every input is saved again, and a save syncs its file.
    const char* folder = ::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    return std::string(folder) + "/korval-fuzz-" + std::to_string(::getpid()) + "-" + name;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string content(reinterpret_cast<const char*>(data), size);
    korval::cIniFile ini = korval::cIniFile::Parse(content);
    ini.Set("KORVAL", "Version", "4.1");
    (void)ini.Serialize();

    static const std::string input = ScratchPath("input.ini");
    static const std::string output = ScratchPath("output.ini");
    std::ofstream(input, std::ios::binary | std::ios::trunc) << content;
    korval::cProfileStore::Instance().Clear();

    std::ostringstream discard;
    korval::cCliPlatform platform(discard);
    const char* profile = std::getenv("KORVAL_PROFILE");
    korval::cEstimatorAppLogic app(platform, profile != nullptr ? profile : input,
                                   &korval::CreateDocument);
    app.LoadExtensions();
    std::unique_ptr<korval::cModelDoc> document = app.OpenByKind(input);
    if (document) {
        korval::cTextReportSurface surface;
        document->LayOutReport(surface).DrawAll(surface);
        (void)surface.Render();
        (void)korval::DumpFigures(korval::DocumentFigures(*document));
        (void)document->SaveAs(output);
    }
    korval::cProfileStore::Instance().Clear();
    ::unlink(input.c_str());
    ::unlink(output.c_str());
    return 0;
}
