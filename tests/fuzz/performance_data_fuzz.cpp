// Feeds arbitrary bytes to the performance data parser, to the processor
// sampler that grows its buffer for them, and to the interface table reader.
// Any read outside the input is caught by the address sanitizer.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "monitor/interface_table.h"
#include "monitor/memory_performance_source.h"
#include "monitor/performance_data.h"
#include "monitor/processor_sampler.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace brisko::monitor;
    const std::span<const uint8_t> input(data, size);
    int64_t idle[4];
    const ProcessorBlock parsed = ParseProcessorBlock(input, idle);
    if (parsed.error && parsed.instances != 0) __builtin_trap();
    if (!parsed.error && (parsed.instances < 0 || static_cast<size_t>(parsed.instances) > size / 8)) __builtin_trap();

    // Twice through the sampler: the second sample may find another count.
    MemoryPerformanceSource source;
    source.performanceData.assign(data, data + size / 2);
    ProcessorSampler sampler(source);
    sampler.Sample();
    source.performanceData.assign(data, data + size);
    sampler.Sample();
    for (int k = -1; k <= sampler.InstanceCount(); ++k) (void)sampler.Load(k);

    for (size_t i = 0, n = InterfaceRowCount(input); i < n; ++i) (void)ReadInterfaceRow(input, i).description.size();
    return 0;
}
