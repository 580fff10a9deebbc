#pragma once
// Services for tests: states by key name, or no access at all.
#include <map>
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

    std::optional<std::string> IndirectText(const std::string& keyName, const std::string& valueName) override {
        const auto it = indirectTexts.find(keyName + "|" + valueName);
        return it == indirectTexts.end() ? std::nullopt : std::optional<std::string>(it->second);
    }
    std::optional<std::vector<std::string>> ActiveDependents(const std::string& keyName) override {
        if (!accessible) return std::nullopt;
        const auto it = activeDependents.find(keyName);
        return it == activeDependents.end() ? std::vector<std::string>{} : it->second;
    }

    std::vector<std::pair<std::string, ServiceState>> states;
    std::map<std::string, std::string> indirectTexts;  // by "key|value name"
    std::map<std::string, std::vector<std::string>> activeDependents;  // by key name
    bool accessible = true;
    int queries = 0, enumerations = 0;
};

}  // namespace brisko::testing
