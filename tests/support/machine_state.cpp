#include "support/machine_state.h"

#include <functional>

#include "platform/text/case_fold.h"
#include "support/simulated_machine.h"
#include "support/simulated_services.h"

namespace brisko::testing {

namespace {
std::string Hex(uint32_t n) {
    char text[16];
    std::snprintf(text, sizeof text, "%x", n);
    return text;
}

std::string Shown(const std::optional<RegValueData>& v) {
    if (!v) return "(key)";
    std::string out = "type " + std::to_string(v->type) + ":";
    for (unsigned char c : v->bytes.substr(0, 48)) out += " " + Hex(c);
    return out;
}
}  // namespace

MachineState StateOf(MemoryBackends& m) {
    MachineState state;
    state.registry = DumpRegistry(m.registry);
    const std::string own = text::AsciiLower(ParentFolder(m.system.executablePath));
    std::function<void(const std::string&)> walk = [&](const std::string& folder) {
        for (const auto& e : m.files.ListFolder(folder)) {
            const std::string path = folder + "\\" + e.name;
            if (text::AsciiLower(path) == own) continue;
            if (e.isFolder) {
                state.files[path + "\\"] = "folder";
                walk(path);
            } else {
                state.files[path] = Hex(m.files.GetAttributes(path).value_or(0)) + " " + m.files.ReadFile(path).value_or("?");
            }
        }
    };
    for (const char* drive : {"C:", "D:"}) walk(drive);
    for (const auto& [key, s] : m.services.states) state.services[key] = s;
    return state;
}

std::string Differences(const MachineState& a, const MachineState& b, size_t most) {
    std::vector<std::string> lines;
    auto compare = [&](const auto& x, const auto& y, auto show) {
        for (const auto& [key, value] : x) {
            auto it = y.find(key);
            if (it == y.end()) lines.push_back(key + ": " + show(value) + " -> (none)");
            else if (!(it->second == value)) lines.push_back(key + ": " + show(value) + " -> " + show(it->second));
        }
        for (const auto& [key, value] : y)
            if (!x.count(key)) lines.push_back(key + ": (none) -> " + show(value));
    };
    compare(a.registry, b.registry, Shown);
    compare(a.files, b.files, [](const std::string& f) { return f.substr(0, f.find('\n')); });
    compare(a.services, b.services, [](ServiceState s) { return std::to_string(static_cast<int>(s)); });
    std::string out;
    for (size_t i = 0; i < lines.size() && i < most; ++i) out += lines[i] + "\n";
    if (lines.size() > most) out += "... " + std::to_string(lines.size() - most) + " more\n";
    return out;
}

void FillWindows10(MemoryBackends& m) {
    FillSimulatedMachine(SimulatedWindows::Xp, m.registry, m.system, m.files, "C:");
    m.system.version = {2, 6, 2};
    m.system.actualVersion = {10, 0, 19045};
    FillWindows10Services(m.registry, m.services);
}

}  // namespace brisko::testing
