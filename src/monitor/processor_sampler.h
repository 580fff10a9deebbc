#pragma once
// The NT processor sample: the idle-time counter of every instance of the
// Processor object, read from the performance data into one buffer that only
// grows (4 096 bytes a step) and is reused by every sample.
#include <cstdint>
#include <optional>
#include <vector>

#include "monitor/performance_source.h"

namespace brisko::monitor {

class ProcessorSampler {
public:
    explicit ProcessorSampler(PerformanceSource& source) : source_(source) {}
    // Forgets the instance count: the next sample sets it and fills only the
    // current counters.
    void Reset();
    // One sample; nullptr, or the text of what is missing. A sample whose
    // instance count differs from the one set re-reads the count and starts
    // over as after a reset.
    const char* Sample();
    int32_t InstanceCount() const { return count_; }
    // Load of instance k in percent from the last two samples; nullopt when
    // there is no new figure (no earlier sample, the same sample time, or no
    // such instance).
    std::optional<int> Load(int k) const;
    size_t BufferSize() const { return buffer_.size(); }

private:
    PerformanceSource& source_;
    std::vector<uint8_t> buffer_;
    int32_t count_ = -1;
    std::vector<int64_t> counters_, previousCounters_;
    int64_t time_ = 0, previousTime_ = 0;
    bool havePrevious_ = false;
};

}  // namespace brisko::monitor
