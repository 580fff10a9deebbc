#pragma once
// Services for tests: states by key name, or no access at all.
#include <vector>

#include "platform/service_manager.h"
#include "platform/text/case_fold.h"

namespace brisko::testing {

class FakeServiceManager final : public ServiceManager {
public:
    ServiceState QueryState(const std::string& keyName) override {
        ++queries;
        if (!accessible) return ServiceState::Unknown;
        for (const auto& [name, state] : states)
            if (text::RegistryNamesEqual(name, keyName)) return state;
        return ServiceState::Unknown;
    }
    std::optional<std::vector<std::pair<std::string, ServiceState>>> EnumerateStates() override {
        ++enumerations;
        if (!accessible) return std::nullopt;
        return states;
    }

    std::vector<std::pair<std::string, ServiceState>> states;
    bool accessible = true;
    int queries = 0, enumerations = 0;
};

}  // namespace brisko::testing
