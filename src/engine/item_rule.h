#pragma once
// One item's rule: how to tell whether it is optimised, and what the apply
// pass does when it is ticked (optimise) or unticked (default).

namespace brisko {

class ProgramContext;

enum class ApplyOutcome {
    Applied,  // the item was acted on: its state entry flips
    GaveUp,   // it could not act (its target file was not found): the entry stays
    ReportedError,  // it told the user why it could not act, yet counts as done: the entry flips
};

class ItemRule {
public:
    virtual ~ItemRule() = default;
    // Reads only; never writes anything.
    virtual bool IsOptimised(ProgramContext& ctx) const = 0;
    virtual ApplyOutcome Optimise(ProgramContext& ctx) = 0;
    virtual ApplyOutcome ApplyDefault(ProgramContext& ctx) = 0;
};

}  // namespace brisko
