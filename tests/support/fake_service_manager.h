#pragma once
// Services for tests: states by key name, refusals by key name, or no access
// at all. Like the real manager it keeps a start type it changes in the
// service's registry entry ("Start"), where one is given a registry.
#include <functional>
#include <map>
#include <set>
#include <vector>

#include "platform/registry_store.h"
#include "platform/registry_values.h"
#include "platform/service_manager.h"
#include "platform/text/case_fold.h"

namespace brisko::testing {

class FakeServiceManager final : public ServiceManager {
public:
    FakeServiceManager() = default;
    explicit FakeServiceManager(RegistryStore& registry) : registry_(&registry) {}
    // Where the start types are kept (a registry seam of the test's own).
    void UseRegistry(RegistryStore& registry) { registry_ = &registry; }

    ServiceState QueryState(const std::string& keyName) override {
        ++queries;
        ServiceState* state = Find(keyName);
        return accessible && state ? *state : ServiceState::Unknown;
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

    std::optional<unsigned long> StartType(const std::string& keyName) override {
        if (!accessible || !registry_) return std::nullopt;
        const std::string start = RegReadValue(*registry_, RegRoot::LocalMachine, Key(keyName), "Start", "DWORD");
        if (start.empty() || start.find_first_not_of("0123456789") != std::string::npos) return std::nullopt;
        return std::stoul(start);
    }
    ServiceAccess Access(const std::string& keyName) override {
        return {accessible && !refusingChange.contains(keyName), launchProtected.contains(keyName)};
    }
    ServiceAnswer StopAndWait(const std::string& keyName, std::chrono::milliseconds) override {
        ServiceState* state = Find(keyName);
        if (const auto refused = Refusal("stop|" + keyName, keyName, state, refusingStop)) return *refused;
        if (*state == ServiceState::Stopped) return {};
        Change("stop|" + keyName);
        if (hangingOnStop.contains(keyName)) {
            *state = ServiceState::StopPending;
            return {ServiceAnswer::Kind::TimedOut, 0};
        }
        *state = ServiceState::Stopped;
        return {};
    }
    ServiceAnswer StartAndWait(const std::string& keyName, std::chrono::milliseconds) override {
        ServiceState* state = Find(keyName);
        if (const auto refused = Refusal("start|" + keyName, keyName, state, refusingStart)) return *refused;
        if (*state == ServiceState::Running) return {};
        if (StartType(keyName) == 4) return {ServiceAnswer::Kind::Refused, 1058};  // ERROR_SERVICE_DISABLED
        Change("start|" + keyName);
        *state = ServiceState::Running;
        return {};
    }
    ServiceAnswer PauseAndWait(const std::string& keyName, std::chrono::milliseconds) override {
        return Move(keyName, "pause", ServiceState::Running, ServiceState::Paused);
    }
    ServiceAnswer ContinueAndWait(const std::string& keyName, std::chrono::milliseconds) override {
        return Move(keyName, "continue", ServiceState::Paused, ServiceState::Running);
    }
    ServiceAnswer ChangeStartType(const std::string& keyName, unsigned long startType) override {
        const std::string what = "start-type|" + keyName + "|" + std::to_string(startType);
        if (const auto refused = Refusal(what, keyName, Find(keyName), refusingStartType)) return *refused;
        Change(what);
        if (registry_) registry_->SetValue(RegRoot::LocalMachine, Key(keyName).substr(1), "Start",
                                           *RegValueDataOf("DWORD", std::to_string(startType)));
        return {};
    }

    std::vector<std::pair<std::string, ServiceState>> states;
    std::map<std::string, std::string> indirectTexts;  // by "key|value name"
    std::map<std::string, std::vector<std::string>> activeDependents;  // by key name
    bool accessible = true;
    int queries = 0, enumerations = 0;
    // By key name: services the manager will not open to stop and change,
    // launch-protected ones, those that refuse a stop, a start or a new start
    // type, and those that never finish stopping.
    std::set<std::string> refusingChange, launchProtected, refusingStop, refusingStart, refusingStartType, hangingOnStop;
    // Every request, in order ("stop|key", "start|key", "start-type|key|3"),
    // and the changes made of them.
    std::vector<std::string> requests, changes;
    // Called before each change is made, with its text: a test counts the
    // changes there, or stops the program at one (by throwing).
    std::function<void(const std::string&)> beforeChange;

private:
    static std::string Key(const std::string& keyName) { return "\\SYSTEM\\CurrentControlSet\\Services\\" + keyName; }
    ServiceState* Find(const std::string& keyName) {
        for (auto& [name, state] : states)
            if (text::RegistryNamesEqual(name, keyName)) return &state;
        return nullptr;
    }
    // The answer to a request the manager refuses; nullopt when it goes ahead.
    std::optional<ServiceAnswer> Refusal(const std::string& what, const std::string& keyName, ServiceState* state,
                                         const std::set<std::string>& refusing) {
        requests.push_back(what);
        if (!state) return ServiceAnswer{ServiceAnswer::Kind::Failed, 1060};  // ERROR_SERVICE_DOES_NOT_EXIST
        if (!accessible || !Access(keyName).Changeable() || refusing.contains(keyName))
            return ServiceAnswer{ServiceAnswer::Kind::Refused, 5};  // ERROR_ACCESS_DENIED
        return std::nullopt;
    }
    // Pausing and going on: only from the one state to the other.
    ServiceAnswer Move(const std::string& keyName, const std::string& verb, ServiceState from, ServiceState to) {
        ServiceState* state = Find(keyName);
        if (const auto refused = Refusal(verb + "|" + keyName, keyName, state, refusingStop)) return *refused;
        if (*state == to) return {};
        if (*state != from) return {ServiceAnswer::Kind::Failed, 1062};  // ERROR_SERVICE_NOT_ACTIVE
        Change(verb + "|" + keyName);
        *state = to;
        return {};
    }
    void Change(const std::string& what) {
        if (beforeChange) beforeChange(what);
        changes.push_back(what);
    }
    RegistryStore* registry_ = nullptr;
};

}  // namespace brisko::testing
