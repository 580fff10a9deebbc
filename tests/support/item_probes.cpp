#include "support/item_probes.h"

#include <gtest/gtest.h>

#include "platform/registry_values.h"

namespace brisko::testing {

std::string ReadProbe(SimulatedContext& sim, const Probe& p) {
    if (p.how == "Pref") return sim.Prefs(p.key, p.name);
    if (p.how == "Value" || p.how == "Key") return RegExists(sim.registry, p.root, p.key, p.name, p.how) ? "yes" : "no";
    const bool expandable = p.how == "ExString";
    const std::string text = RegReadValue(sim.registry, p.root, p.key, p.name, expandable ? "String" : p.how);
    if (expandable && text != "NULL") return RegValueKind(sim.registry, p.root, p.key, p.name) + ":" + text;
    return text;
}

std::vector<int> TickedEnabled(SimulatedContext& sim, TweakCategory c) {
    std::vector<int> numbers;
    for (int n = 1; n <= 10; ++n)
        if (sim.Entry(c, n).enabled && sim.Entry(c, n).ticked) numbers.push_back(n);
    return numbers;
}

void TickEnabled(SimulatedContext& sim, TweakCategory c, bool ticked) {
    for (auto& e : sim.ctx.items.List(c))
        if (e.enabled) e.ticked = ticked;
}

std::string ReadBinaryHex(SimulatedContext& sim, RegRoot root, const std::string& keyPath, const std::string& name) {
    const auto v = sim.registry.QueryValue(root, keyPath.substr(1), name, RegAccess::Full);
    if (!v || v->type != regtype::kBinary) return v ? "type " + std::to_string(v->type) : "NULL";
    static const char digits[] = "0123456789ABCDEF";
    std::string hex;
    for (unsigned char b : v->bytes) {
        hex.push_back(digits[b >> 4]);
        hex.push_back(digits[b & 0xF]);
    }
    return hex;
}

std::vector<std::string> ReadAll(SimulatedContext& sim, const std::vector<Probe>& probes) {
    std::vector<std::string> reads;
    for (const Probe& p : probes) reads.push_back(ReadProbe(sim, p));
    return reads;
}

void ExpectReads(SimulatedContext& sim, TweakCategory c, const std::vector<Probe>& probes,
                 const std::vector<std::string>& before, bool optimised) {
    for (size_t i = 0; i < probes.size(); ++i) {
        const Probe& p = probes[i];
        std::string want = sim.Entry(c, p.item).enabled ? (optimised ? p.optimised : p.undone) : kAsBefore;
        if (want == kAny) continue;
        if (want == kAsBefore) want = before[i];
        else if (p.how == "ExString" && want != "NULL") want = "ExString:" + want;
        EXPECT_EQ(ReadProbe(sim, p), want) << "item " << p.item << " " << p.key << " " << p.name
                                           << (optimised ? " optimised" : " undone");
    }
}

std::string EditionName(SimulatedWindows edition) {
    const char* names[] = {"Xp", "Win2000", "Nt4", "Win98"};
    return names[static_cast<int>(edition)];
}

}  // namespace brisko::testing
