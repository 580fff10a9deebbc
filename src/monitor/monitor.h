#pragma once
// The sampling behind the compact window's performance mode: its three
// choice lists and one refresh of every figure. Everything runs on the
// user-interface thread, pulled by the window's one-second timer.
#include <optional>
#include <string>
#include <vector>

#include "monitor/figures.h"
#include "monitor/performance_source.h"
#include "monitor/processor_sampler.h"
#include "platform/os_edition.h"

namespace brisko::monitor {

// Positions chosen in the three lists; -1 for none.
struct MonitorSelection {
    int processor = -1, drive = -1, adapter = -1;
};

struct MonitorUpdate {
    // The processor sample failed: the text to show, once. The processor
    // figure then stands still until the lists are filled again.
    const char* processorError = nullptr;
    std::optional<int> processorLoad;  // a new figure
    MemoryFigures memory;
    std::optional<Amount> drive;
    bool network = false;  // the rates below are figures
    int64_t receivedRate = 0, sentRate = 0;
};

class Monitor {
public:
    Monitor(PerformanceSource& source, OsEdition edition) : source_(source), edition_(std::move(edition)), cpu_(source) {}
    Monitor(const Monitor&) = delete;
    Monitor& operator=(const Monitor&) = delete;
    ~Monitor();

    void SetSampling(bool on);
    bool Sampling() const { return sampling_; }

    // The choice lists, read afresh each time performance mode starts.
    // processorError is set when the processor sample failed (no entries then).
    struct Choices {
        std::vector<std::string> processors, drives, adapters;
        const char* processorError = nullptr;
    };
    Choices FillChoices(const std::string& fixedDriveLetters);
    bool NetworkSupported() const { return edition_.edition != "95"; }

    MonitorUpdate Update(const MonitorSelection& selection);

private:
    bool NineX() const { return edition_.family == "9x"; }
    std::optional<int> ProcessorFigure(int entry, const char*& error);
    bool NetworkRates(int adapter, MonitorUpdate& update);

    PerformanceSource& source_;
    OsEdition edition_;
    ProcessorSampler cpu_;
    bool sampling_ = false;
    bool ipHelper_ = false;
    bool processorStopped_ = false;
    std::string drives_;                // letters, in list order
    std::vector<std::string> adapters_; // descriptions as the table holds them
    std::vector<uint8_t> table_;
    uint32_t previousIn_ = 0, previousOut_ = 0;
    std::string lastAdapterName_;
};

}  // namespace brisko::monitor
