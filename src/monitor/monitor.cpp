#include "monitor/monitor.h"

#include "monitor/interface_table.h"

namespace brisko::monitor {

namespace {
constexpr const char* kStatData = "PerfStats\\StatData";
constexpr const char* kCpuUsage = "Kernel\\CPUUsage";

uint32_t LittleEndian32(const std::string& bytes) {
    uint32_t v = 0;
    for (size_t i = 4; i-- > 0;) v = (v << 8) | static_cast<unsigned char>(bytes[i]);
    return v;
}
}  // namespace

Monitor::~Monitor() {
    if (ipHelper_) source_.CloseInterfaceTable();
}

void Monitor::SetSampling(bool on) {
    if (on == sampling_) return;
    sampling_ = on;
    if (NineX()) source_.ReadDynData(on ? "PerfStats\\StartStat" : "PerfStats\\StopStat", "");
    if (!NetworkSupported()) return;
    if (on) {
        ipHelper_ = source_.OpenInterfaceTable();
    } else if (ipHelper_) {
        source_.CloseInterfaceTable();
        ipHelper_ = false;
    }
}

Monitor::Choices Monitor::FillChoices(const std::string& fixedDriveLetters) {
    Choices c;
    processorStopped_ = false;
    if (NineX()) {
        c.processors.push_back("CPU #1");
    } else {
        cpu_.Reset();
        c.processorError = cpu_.Sample();
        processorStopped_ = c.processorError != nullptr;
        const int n = processorStopped_ ? 0 : cpu_.InstanceCount();
        for (int i = 1; i < n; ++i) c.processors.push_back("CPU #" + std::to_string(i));
        if (n > 2) c.processors.push_back("CPU Total");
    }

    drives_ = fixedDriveLetters;
    for (char letter : drives_) c.drives.push_back(std::string(1, letter) + " ドライブ");

    adapters_.clear();
    if (NetworkSupported()) {
        const bool opened = ipHelper_ || source_.OpenInterfaceTable();
        if (opened && source_.ReadInterfaceTable(table_)) {
            for (size_t i = 0, n = InterfaceRowCount(table_); i < n; ++i) {
                const InterfaceRow row = ReadInterfaceRow(table_, i);
                if (row.type == kEthernetInterface) adapters_.emplace_back(row.description);
            }
        }
        if (opened && !ipHelper_) source_.CloseInterfaceTable();
        for (const std::string& a : adapters_) c.adapters.push_back(source_.AdapterText(a));
    }
    return c;
}

std::optional<int> Monitor::ProcessorFigure(int entry, const char*& error) {
    if (NineX()) {
        const auto value = source_.ReadDynData(kStatData, kCpuUsage);
        return value && value->size() >= 4 ? static_cast<int>(LittleEndian32(*value)) : 0;
    }
    if (processorStopped_) return std::nullopt;
    if ((error = cpu_.Sample())) {
        processorStopped_ = true;
        return std::nullopt;
    }
    return cpu_.Load(entry);
}

bool Monitor::NetworkRates(int adapter, MonitorUpdate& update) {
    if (!NetworkSupported() || !ipHelper_ || !source_.ReadInterfaceTable(table_)) return false;
    if (adapter < 0 || adapter >= static_cast<int>(adapters_.size())) return false;
    const std::string& wanted = adapters_[static_cast<size_t>(adapter)];
    for (size_t i = 0, n = InterfaceRowCount(table_); i < n; ++i) {
        const InterfaceRow row = ReadInterfaceRow(table_, i);
        if (row.description != wanted) continue;
        // Another adapter than at the last refresh: its counts have nothing
        // to do with the ones kept, so its rates start again at 0.
        if (wanted != lastAdapterName_) {
            lastAdapterName_ = wanted;
            previousIn_ = previousOut_ = 0;
        }
        update.receivedRate = OctetRate(previousIn_, row.inOctets);
        update.sentRate = OctetRate(previousOut_, row.outOctets);
        previousIn_ = row.inOctets;
        previousOut_ = row.outOctets;
        return true;
    }
    return false;
}

MonitorUpdate Monitor::Update(const MonitorSelection& selection) {
    MonitorUpdate update;
    if (selection.processor >= 0) update.processorLoad = ProcessorFigure(selection.processor, update.processorError);
    update.memory = ComputeMemoryFigures(source_.ReadMemoryStatus());
    if (selection.drive >= 0 && selection.drive < static_cast<int>(drives_.size()))
        update.drive = ComputeDriveFigures(source_.ReadDriveSpace(drives_[static_cast<size_t>(selection.drive)]));
    update.network = NetworkRates(selection.adapter, update);
    return update;
}

}  // namespace brisko::monitor
