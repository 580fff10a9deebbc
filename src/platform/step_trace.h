#pragma once
// The start-up's steps as they end, for the start-up benchmark: each step's
// name with the time since the process started. Nothing is recorded unless
// the Windows trace is switched on.
namespace brisko {

class StepTrace {
public:
    virtual ~StepTrace() = default;
    virtual void Step(const char* name) = 0;
};

class NoStepTrace final : public StepTrace {
public:
    void Step(const char*) override {}
};

}  // namespace brisko
