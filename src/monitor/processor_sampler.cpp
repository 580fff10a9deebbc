#include "monitor/processor_sampler.h"

#include "monitor/figures.h"
#include "monitor/performance_data.h"

namespace brisko::monitor {

namespace {
constexpr size_t kGrowthStep = 4096;
// A block this large is no performance data any system hands over.
constexpr size_t kLargestBuffer = 64u << 20;
}  // namespace

void ProcessorSampler::Reset() {
    count_ = -1;
    havePrevious_ = false;
}

const char* ProcessorSampler::Sample() {
    size_t received = 0;
    for (;;) {
        const QueryResult r = source_.QueryPerformanceData("238", buffer_, received);
        if (r == QueryResult::Ok) break;
        if (r == QueryResult::Failed || buffer_.size() >= kLargestBuffer) return kNoProcessorObject;
        buffer_.resize(buffer_.size() + kGrowthStep);
    }
    const std::span<const uint8_t> block(buffer_.data(), received < buffer_.size() ? received : buffer_.size());
    // The current counters become the previous ones before the new read.
    counters_.swap(previousCounters_);
    ProcessorBlock parsed = ParseProcessorBlock(block, counters_);
    if (parsed.error) {
        counters_.swap(previousCounters_);
        return parsed.error;
    }
    if (parsed.instances != count_) {
        // The first sample, or the machine reports another number of
        // processors: size the arrays for it and read again into them.
        count_ = parsed.instances;
        counters_.assign(static_cast<size_t>(count_), 0);
        previousCounters_.assign(static_cast<size_t>(count_), 0);
        parsed = ParseProcessorBlock(block, counters_);
        havePrevious_ = false;
    } else {
        havePrevious_ = true;
    }
    previousTime_ = time_;
    time_ = parsed.time;
    return nullptr;
}

std::optional<int> ProcessorSampler::Load(int k) const {
    if (!havePrevious_ || k < 0 || k >= count_ || time_ == previousTime_) return std::nullopt;
    const auto i = static_cast<size_t>(k);
    const auto idle = static_cast<int64_t>(static_cast<uint64_t>(counters_[i]) - static_cast<uint64_t>(previousCounters_[i]));
    return ProcessorLoad(idle, time_ - previousTime_);
}

}  // namespace brisko::monitor
