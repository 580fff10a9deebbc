#pragma once
// Checking what items leave on a simulated machine: each probe names one
// value, key or preference an item touches and what it must read after the
// item was optimised and after it was undone.
#include <string>
#include <vector>

#include "support/simulated_context.h"

namespace brisko::testing {

inline const char* const kAsBefore = "=";  // as on the fresh machine
inline const char* const kAny = "*";       // not checked

struct Probe {
    int item;
    RegRoot root;
    // `how`: a kind tag; "ExString" (the text, which must have that kind);
    // "Value" / "Key" (does the value / subkey `name` exist: "yes" or "no");
    // "Pref" (a preference, key = section).
    std::string key, name, how;
    std::string optimised, undone;
};

std::string ReadProbe(SimulatedContext& sim, const Probe& p);
// Numbers of the enabled items that are ticked.
std::vector<int> TickedEnabled(SimulatedContext& sim, TweakCategory c);
void TickEnabled(SimulatedContext& sim, TweakCategory c, bool ticked);
// Every probe against what optimising (or undoing) its item leaves; a
// disabled item's probes must read as before.
void ExpectReads(SimulatedContext& sim, TweakCategory c, const std::vector<Probe>& probes,
                 const std::vector<std::string>& before, bool optimised);
// A binary value's bytes as upper-case hex, "NULL" when absent, or "type N"
// when it is of another type.
std::string ReadBinaryHex(SimulatedContext& sim, RegRoot root, const std::string& keyPath, const std::string& name);
std::vector<std::string> ReadAll(SimulatedContext& sim, const std::vector<Probe>& probes);
// The edition's name for parameterised tests.
std::string EditionName(SimulatedWindows edition);

}  // namespace brisko::testing
