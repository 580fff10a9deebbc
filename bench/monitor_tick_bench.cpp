// Times one refresh of the monitor in the core, with in-memory sources: the
// processor sample and its parse, memory, one drive and the interface table,
// as the compact window's timer runs them once a second. Prints the median of
// 10 000 ticks and how many heap allocations the warm ticks made.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <vector>

#include "monitor/memory_performance_source.h"
#include "monitor/monitor.h"

namespace {
std::atomic<long> allocations{0};
}

void* operator new(std::size_t n) {
    ++allocations;
    if (void* p = std::malloc(n ? n : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

int main() {
    using namespace brisko::monitor;
    constexpr int kTicks = 10000;
    MemoryPerformanceSource source;
    // Eight processors and the total, as on a present-day machine.
    source.performanceData = MakeProcessorBlock(std::vector<int64_t>(9, 0), {2024, 1, 1, 0, 0, 0, 0});
    source.memory = {35, 16ull << 30, 9ull << 30, 24ull << 30, 12ull << 30, 128ull << 40, 127ull << 40};
    source.drives['C'] = {500ll << 30, 200ll << 30};
    source.interfaceTable =
        MakeInterfaceTable({{"Loopback", 24}, {"Ethernet adapter", 6, 1000, 1000}, {"Wireless adapter", 71}});
    Monitor monitor(source, {"NT", "XP"});
    const auto choices = monitor.FillChoices("C");
    monitor.SetSampling(true);
    const MonitorSelection selection{static_cast<int>(choices.processors.size()) - 1, 0, 0};

    // The block's time (milliseconds field) moves on every tick, in place.
    const size_t msField = 36 + 2 * 7;
    std::vector<double> ns(kTicks);
    long sink = 0, warmAllocations = 0;
    for (int tick = -100; tick < kTicks; ++tick) {
        const unsigned ms = static_cast<unsigned>(tick + 100) % 1000;
        source.performanceData[msField] = static_cast<uint8_t>(ms);
        source.performanceData[msField + 1] = static_cast<uint8_t>(ms >> 8);
        const long before = allocations.load();
        const auto start = std::chrono::steady_clock::now();
        const MonitorUpdate u = monitor.Update(selection);
        const auto end = std::chrono::steady_clock::now();
        sink += u.memory.physical.totalMb + (u.processorLoad ? *u.processorLoad : 0);
        if (tick < 0) continue;  // warming up
        warmAllocations += allocations.load() - before;
        ns[static_cast<size_t>(tick)] = std::chrono::duration<double, std::nano>(end - start).count();
    }
    std::sort(ns.begin(), ns.end());
    std::printf("monitor tick (core, in-memory sources): median %.0f ns, 90th percentile %.0f ns over %d ticks\n",
                ns[kTicks / 2], ns[kTicks * 9 / 10], kTicks);
    std::printf("heap allocations in %d warm ticks: %ld\n", kTicks, warmAllocations);
    return sink == 42 ? 1 : 0;
}
