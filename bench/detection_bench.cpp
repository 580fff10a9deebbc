// The detection pass on a simulated Japanese XP in memory: the fifty items and
// a service list of the size asked for. Prints the median time of many runs
// for 300 and for 1 000 services, and their ratio.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "engine/item_passes.h"
#include "platform/registry_values.h"
#include "startup/startup_sequence.h"
#include "support/simulated_context.h"

using namespace brisko;
using namespace brisko::testing;

namespace {

// A simulated XP with `count` services in all: its own few, then made-up ones.
void AddServices(SimulatedContext& sim, int count) {
    const std::string root = "\\SYSTEM\\CurrentControlSet\\Services\\";
    for (int i = static_cast<int>(sim.services.states.size()); i < count; ++i) {
        // Names as varied as real ones, which seldom share long beginnings.
        const std::string name = std::to_string(i * 7919 % 10007) + "Svc" + std::to_string(i);
        const std::string key = root + name;
        RegWriteValue(sim.registry, RegRoot::LocalMachine, key, "DisplayName", "String", "Bench service " + std::to_string(i));
        RegWriteValue(sim.registry, RegRoot::LocalMachine, key, "ObjectName", "String", "LocalSystem");
        RegWriteValue(sim.registry, RegRoot::LocalMachine, key, "Start", "DWORD", i % 2 ? "3" : "2");
        sim.services.states.emplace_back(name, i % 3 ? ServiceState::Running : ServiceState::Stopped);
    }
}

double MedianMicroseconds(int services, int runs) {
    SimulatedContext sim(SimulatedWindows::Xp);
    AddServices(sim, services);
    RunStartupSequence(sim.ctx);
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        ResetItemLists(sim.ctx);  // the services are listed afresh each time
        const auto start = std::chrono::steady_clock::now();
        DetectItemStates(sim.ctx);
        sim.ctx.items.NeedServices();
        times.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
    }
    if (sim.ctx.items.List(TweakCategory::Service).size() < static_cast<size_t>(services) * 9 / 10)
        std::fprintf(stderr, "only %zu services listed\n", sim.ctx.items.List(TweakCategory::Service).size());
    std::nth_element(times.begin(), times.begin() + runs / 2, times.end());
    return times[runs / 2];
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::stoi(argv[1]) : 201;
    if (argc > 2) {  // one size only, for a profiler
        std::printf("%.3f ms\n", MedianMicroseconds(std::stoi(argv[2]), runs) / 1000);
        return 0;
    }
    const double small = MedianMicroseconds(300, runs), large = MedianMicroseconds(1000, runs);
    std::printf("detection pass, 50 items + 300 services\t%.3f ms\n", small / 1000);
    std::printf("detection pass, 50 items + 1000 services\t%.3f ms\n", large / 1000);
    std::printf("ratio 1000 / 300 services\t%.2fx\n", large / small);
}
