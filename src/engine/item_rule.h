#pragma once
// One item's rule: how to tell whether it is optimised, and what the apply
// pass does when it is ticked (optimise) or unticked (default).
#include <string>
#include <vector>

#include "platform/registry_store.h"

namespace brisko {

class ProgramContext;

struct RegistryValue {
    RegRoot root;
    std::string keyPath;  // with its leading backslash
    std::string name;
    std::string kind;     // "DWORD", "String", ...
};

// What a change of an item waits for before it shows: most changes take
// effect once Windows has restarted (or the user has logged on again); some
// need only the shell restarted.
enum class RestartNeed { None, Explorer, Windows };

enum class ApplyOutcome {
    Applied,  // the item was acted on: its state entry flips
    GaveUp,   // it could not act (its target file was not found): the entry stays
    ReportedError,  // it told the user why it could not act, yet counts as done: the entry flips
    Refused,  // the system refused it and the user was told: the entry and the tick follow the machine
};

class ItemRule {
public:
    virtual ~ItemRule() = default;
    // Reads only; never writes anything.
    virtual bool IsOptimised(ProgramContext& ctx) const = 0;
    virtual ApplyOutcome Optimise(ProgramContext& ctx) = 0;
    virtual ApplyOutcome ApplyDefault(ProgramContext& ctx) = 0;
    virtual RestartNeed AfterChange(const ProgramContext&) const { return RestartNeed::Windows; }
    // The registry values optimising writes or deletes, on this edition, as
    // far as the rule names them (a rule with code of its own may name none).
    virtual std::vector<RegistryValue> OptimisedValues(const ProgramContext&) const { return {}; }
};

}  // namespace brisko
