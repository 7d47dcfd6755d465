// Reading every key of a 400-key model file should cost about one parse of that file:
// compare BM_ParseOnce with BM_ReadEveryKey.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

#include "framework/ProfileAccess.h"
#include "framework/cIniFile.h"
#include "framework/cProfileFileScope.h"
#include "framework/cProfileStore.h"

namespace {

constexpr int kKeys = 400;

const std::string& ModelFile() {
    static const std::string path = [] {
        std::string file = "/tmp/korval-bench-" + std::to_string(::getpid()) + ".ccm";
        std::ofstream out(file, std::ios::binary);
        for (int section = 0; section < 20; ++section) {
            out << "[Section_" << section << "]\r\n";
            for (int key = 0; key < kKeys / 20; ++key) {
                out << "Cost_Driver_Key_" << key << "=" << 1.0 + key * 0.01 << "\r\n";
            }
        }
        return file;
    }();
    return path;
}

void BM_ParseOnce(benchmark::State& state) {
    const std::string& path = ModelFile();
    for (auto _ : state) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream buffer;
        buffer << in.rdbuf();
        korval::cIniFile file = korval::cIniFile::Parse(buffer.str());
        benchmark::DoNotOptimize(file);
    }
}
BENCHMARK(BM_ParseOnce);

void BM_ReadEveryKey(benchmark::State& state) {
    const std::string& path = ModelFile();
    std::vector<std::pair<std::string, std::string>> keys;
    for (int section = 0; section < 20; ++section) {
        for (int key = 0; key < kKeys / 20; ++key) {
            keys.emplace_back("Section_" + std::to_string(section),
                              "Cost_Driver_Key_" + std::to_string(key));
        }
    }
    std::uint64_t parsesBefore = korval::cProfileStore::Instance().ParseCount();
    for (auto _ : state) {
        korval::cProfileStore::Instance().Clear();
        korval::cProfileFileScope scope(path);
        for (const auto& [section, key] : keys) {
            benchmark::DoNotOptimize(korval::ReadProfileValue(section, key, "", 64, path));
        }
    }
    state.counters["parses_per_iteration"] = benchmark::Counter(
        static_cast<double>(korval::cProfileStore::Instance().ParseCount() - parsesBefore),
        benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_ReadEveryKey);

}  // namespace
