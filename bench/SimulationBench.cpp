// The simulation on both cores: 10,000 trials of a project and of a 200-member system
// (the times Google Benchmark prints), and its growth, as ratios measured in the same run:
// twice the trials and twice the members should cost about twice the time (goal 2.2).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>

#include "bench/support/BaselineRatio.h"
#include "bench/support/GeneratedSystem.h"
#include "cli/cCliPlatform.h"
#include "framework/cAppContext.h"
#include "project/cProjectDoc.h"
#include "simulation/Simulate.h"
#include "system/cSystemDoc.h"

namespace {

using korval::bench::CompareWithBaseline;
using korval::bench::SecondsOf;

std::ostringstream discard;
korval::cCliPlatform platform(discard);

korval::cAppContext& Context() {
    static korval::cAppContext context{platform, korval::bench::BenchProfilePath()};
    return context;
}

// Every input of a member varies: its function point size (PERT, shapes varying with the
// member), three cost drivers, the model error and the productivity index.
std::string UncertaintySections(int i) {
    int step = i % 50;
    std::ostringstream text;
    text << "[Function_Point_Uncertainty]\r\nUFP_Optimistic=" << 100 + step
         << "\r\nUFP_Most_Likely=" << 150 + 2 * step << "\r\nUFP_Pessimistic=" << 300 + 3 * step
         << "\r\n[COCOMO_Uncertainty]\r\nModel_Error_Spread=0.2\r\n";
    for (int driver = 0; driver < 3; ++driver) {
        text << "Driver_Lowest0" << driver << "=L\r\nDriver_Highest0" << driver << "=VH\r\n";
    }
    text << "[Rayleigh_Uncertainty]\r\nProductivity_Index=NORMAL\r\n"
         << "[Project_Uncertainty]\r\nDistribution=PERT\r\nTrials=10000\r\n";
    return text.str();
}

// The generated members with uncertainty added, under a system of their own.
const std::string& UncertainSystem(int members) {
    static std::map<int, std::string> systems;
    auto found = systems.find(members);
    if (found != systems.end()) return found->second;
    const korval::bench::GeneratedSystem& plain = korval::bench::SystemOf(members);
    std::string folder = std::filesystem::path(plain.systemPath).parent_path().string() + "-mc";
    std::filesystem::create_directories(folder);
    std::ofstream list(folder + "/system.sle", std::ios::binary);
    list << "[KORVAL]\r\nKORVAL_Type=System\r\nVersion=4.1\r\n"
            "[System_Uncertainty]\r\nTrials=10000\r\nMembers=INDEPENDENT\r\n[Projects]\r\n";
    for (int i = 0; i < members; ++i) {
        std::ifstream in(plain.memberPaths[static_cast<std::size_t>(i)], std::ios::binary);
        std::ostringstream content;
        content << in.rdbuf() << UncertaintySections(i);
        std::string name = "member" + std::to_string(i) + ".prj";
        std::ofstream(folder + "/" + name, std::ios::binary) << content.str();
        list << "File_Name" << (i < 10 ? "0" : "") << i << "=" << name << "\r\n";
    }
    return systems[members] = folder + "/system.sle";
}

std::unique_ptr<korval::cModelDoc> OpenSystem(int members) {
    auto system = std::make_unique<korval::cSystemDoc>(Context());
    if (!system->LoadModel(UncertainSystem(members))) return nullptr;
    return system;
}

std::unique_ptr<korval::cModelDoc> OpenProject() {
    auto system = OpenSystem(1);
    const auto& member = dynamic_cast<korval::cSystemDoc&>(*system).GetMembers().front();
    auto project = std::make_unique<korval::cProjectDoc>(Context());
    if (!project->LoadModel(std::filesystem::path(UncertainSystem(1)).parent_path().string() + "/" +
                            member->GetFileName())) {
        return nullptr;
    }
    return project;
}

double Simulated(const korval::cModelDoc& document, std::int64_t trials, unsigned threads = 0) {
    korval::SimulationRequest request;
    request.trials = trials;
    request.threads = threads;
    return SecondsOf([&] { benchmark::DoNotOptimize(korval::Simulate(document, request)); });
}

void BM_SimulateProject(benchmark::State& state) {
    auto project = OpenProject();
    for (auto _ : state) state.SetIterationTime(Simulated(*project, state.range(0)));
}
BENCHMARK(BM_SimulateProject)->Arg(10000)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_SimulateSystem(benchmark::State& state) {
    auto system = OpenSystem(static_cast<int>(state.range(0)));
    for (auto _ : state) state.SetIterationTime(Simulated(*system, 10000));
}
BENCHMARK(BM_SimulateSystem)
    ->Arg(200)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

// The same 10,000 trials on one thread: what the second core saves, start-up included.
void BM_SimulateProjectOneThread(benchmark::State& state) {
    auto project = OpenProject();
    for (auto _ : state) state.SetIterationTime(Simulated(*project, 10000, 1));
}
BENCHMARK(BM_SimulateProjectOneThread)->UseManualTime()->Unit(benchmark::kMillisecond);

// 20,000 trials against 10,000 of the same project.
void BM_ProjectTrialsDoubled(benchmark::State& state) {
    auto project = OpenProject();
    CompareWithBaseline(
        state, 2.2, [&] { return Simulated(*project, 10000); },
        [&] { return Simulated(*project, 20000); });
}
BENCHMARK(BM_ProjectTrialsDoubled)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

// 400 members against 200, 10,000 trials each.
void BM_SystemMembersDoubled(benchmark::State& state) {
    auto small = OpenSystem(200);
    auto large = OpenSystem(400);
    CompareWithBaseline(
        state, 2.2, [&] { return Simulated(*small, 10000); },
        [&] { return Simulated(*large, 10000); });
}
BENCHMARK(BM_SystemMembersDoubled)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace
