// Reading a file should never take more than three times its size, however hostile the
// file: each benchmark opens one such file as a document and reports the peak of the
// memory in use while it did (beyond what was in use before), per byte of the file.
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <new>
#include <sstream>

#include "app/cEstimatorAppLogic.h"
#include "bench/support/GeneratedSystem.h"
#include "cli/cCliPlatform.h"
#include "documents/cDocumentFactory.h"
#include "framework/ProfileAccess.h"
#include "framework/cIniFile.h"
#include "framework/cModelDoc.h"
#include "framework/cProfileStore.h"

namespace {

std::atomic<std::size_t> inUse{0};
std::atomic<std::size_t> peak{0};

void* Allocate(std::size_t size) {
    void* block = std::malloc(size == 0 ? 1 : size);
    if (block == nullptr) throw std::bad_alloc();
    std::size_t now = inUse += malloc_usable_size(block);
    std::size_t seen = peak.load();
    while (now > seen && !peak.compare_exchange_weak(seen, now)) {
    }
    return block;
}

void Release(void* block) {
    if (block == nullptr) return;
    inUse -= malloc_usable_size(block);
    std::free(block);
}

}  // namespace

void* operator new(std::size_t size) {
    return Allocate(size);
}
void* operator new[](std::size_t size) {
    return Allocate(size);
}
void operator delete(void* block) noexcept {
    Release(block);
}
void operator delete[](void* block) noexcept {
    Release(block);
}
void operator delete(void* block, std::size_t) noexcept {
    Release(block);
}
void operator delete[](void* block, std::size_t) noexcept {
    Release(block);
}

namespace {

constexpr std::size_t kFileSize = 16u * 1024u * 1024u;
const char* kHeader = "[KORVAL]\r\nKORVAL_Type=Cocomo\r\nVersion=4.1\r\n";

// The generated files go when the benchmark ends.
struct GeneratedFolder {
    std::string path = "/tmp/korval-bench-memory-" + std::to_string(::getpid());
    GeneratedFolder() { std::filesystem::create_directories(path); }
    ~GeneratedFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
};

std::string FolderFor(const char* name) {
    static GeneratedFolder folder;
    return folder.path + "/" + name;
}

// A file of about kFileSize bytes: the header, then lines from line(i) until it is full.
std::string Generated(const char* name, const std::function<std::string(std::size_t)>& line) {
    std::string path = FolderFor(name);
    std::ofstream out(path, std::ios::binary);
    out << kHeader;
    std::size_t written = std::strlen(kHeader);
    for (std::size_t i = 0; written < kFileSize; ++i) {
        std::string text = line(i);
        out << text;
        written += text.size();
    }
    return path;
}

const std::string& ManySectionsFile() {
    static const std::string path = Generated(
        "sections.ccm", [](std::size_t i) { return "[S" + std::to_string(i) + "]\r\nk=v\r\n"; });
    return path;
}

const std::string& KeyLinesFile() {
    static const std::string path = Generated("keys.ccm", [](std::size_t i) {
        return (i == 0 ? std::string("[CocomoSummary]\r\n") : std::string()) + "k" +
               std::to_string(i) + "=v\r\n";
    });
    return path;
}

// A system whose 100,000 members all name one missing file.
const std::string& MissingMembersFile() {
    static const std::string path = [] {
        std::string file = FolderFor("missing.sle");
        std::ofstream out(file, std::ios::binary);
        out << "[KORVAL]\r\nKORVAL_Type=System\r\nVersion=4.1\r\n[Projects]\r\n";
        for (int i = 0; i < 100000; ++i) {
            out << korval::IndexedKey("File_Name", i) << "=missing.prj\r\n"
                << korval::IndexedKey("Start_Offset", i) << "=0.000000\r\n";
        }
        return file;
    }();
    return path;
}

// Peak bytes in use while read ran, beyond those in use before, per byte of the file.
void ReportPeak(benchmark::State& state, const std::string& path,
                const std::function<void()>& read) {
    double worst = 0;
    for (auto _ : state) {
        korval::cProfileStore::Instance().Clear();
        std::size_t before = inUse.load();
        peak = before;
        read();
        worst = std::max(worst, static_cast<double>(peak.load() - before));
    }
    double size = static_cast<double>(std::filesystem::file_size(path));
    state.counters["file_MB"] = size / (1024.0 * 1024.0);
    state.counters["bytes_per_input_byte"] = worst / size;
}

void OpenDocument(benchmark::State& state, const std::string& path) {
    std::ostringstream discard;
    korval::cCliPlatform platform(discard);
    korval::cEstimatorAppLogic app(platform, korval::bench::BenchProfilePath(),
                                   &korval::CreateDocument);
    app.LoadExtensions();
    ReportPeak(state, path, [&] { benchmark::DoNotOptimize(app.OpenByKind(path)); });
}

void ParseOnly(benchmark::State& state, const std::string& path) {
    ReportPeak(state, path, [&] {
        std::ifstream in(path, std::ios::binary);
        std::string content(std::filesystem::file_size(path), '\0');
        in.read(content.data(), static_cast<std::streamsize>(content.size()));
        korval::cIniFile file = korval::cIniFile::Parse(std::move(content));
        benchmark::DoNotOptimize(file.Find("KORVAL", "KORVAL_Type"));
    });
}

void BM_ParseManySections(benchmark::State& state) {
    ParseOnly(state, ManySectionsFile());
}
void BM_OpenManySections(benchmark::State& state) {
    OpenDocument(state, ManySectionsFile());
}
void BM_OpenKeyLines(benchmark::State& state) {
    OpenDocument(state, KeyLinesFile());
}
void BM_OpenSystemOfMissingMembers(benchmark::State& state) {
    OpenDocument(state, MissingMembersFile());
}
BENCHMARK(BM_ParseManySections)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_OpenManySections)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_OpenKeyLines)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_OpenSystemOfMissingMembers)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace
