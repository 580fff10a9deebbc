#include "engine/services.h"

#include <algorithm>

#include "engine/protected_services.h"
#include "engine/service_control.h"
#include "platform/registry_values.h"
#include "platform/text/case_fold.h"
#include "platform/value_text.h"
#include "prefs/preference_keys.h"

namespace brisko {

namespace {
const RegRoot HKLM = RegRoot::LocalMachine;

std::string ServiceKey(const std::string& keyName) { return std::string(kServicesKey) + "\\" + keyName; }
std::string ReadString(ProgramContext& ctx, const std::string& keyName, const char* name) {
    return RegReadValue(ctx.platform.registry, HKLM, ServiceKey(keyName), name, kind::kString);
}

// A text value as a person reads it: on Vista and later an indirect one
// ("@file.dll,-123") is resolved, falling back to the stored text.
std::string ReadableString(ProgramContext& ctx, const std::string& keyName, const char* name, bool vista) {
    const std::string stored = ReadString(ctx, keyName, name);
    if (!vista || !stored.starts_with("@")) return stored;
    return ctx.platform.services.IndirectText(keyName, name).value_or(stored);
}

bool Vista(ProgramContext& ctx) { return IsVistaOrLater(ctx.platform.system.Version()); }

ServiceState StateOf(ProgramContext& ctx, const std::string& keyName) {
    return ctx.platform.services.QueryState(keyName);
}

// One entry of the services page.
class ServiceRule final : public ItemRule {
public:
    ServiceRule(std::string displayName, bool stopped) : displayName_(std::move(displayName)), stopped_(stopped) {}
    bool IsOptimised(ProgramContext&) const override { return stopped_; }
    ApplyOutcome Optimise(ProgramContext& ctx) override { return Act(ctx, true); }
    ApplyOutcome ApplyDefault(ProgramContext& ctx) override { return Act(ctx, false); }

private:
    ApplyOutcome Act(ProgramContext& ctx, bool stop) {
        // The service is looked up again: the first listed one of that exact
        // display name. One that is gone is skipped.
        const auto services = ListServices(ctx);
        auto it = std::find_if(services.begin(), services.end(),
                               [&](const ListedService& s) { return s.displayName == displayName_; });
        if (it == services.end()) return ApplyOutcome::GaveUp;
        const bool done = stop ? StopServiceKeepingStartType(ctx, it->keyName, displayName_, prefkey::kServicesMemory)
                               : StartServiceRestoringStartType(ctx, it->keyName, displayName_, prefkey::kServicesMemory);
        return done ? ApplyOutcome::Applied : ApplyOutcome::GaveUp;
    }
    std::string displayName_;
    bool stopped_;
};

std::string StartTypeText(const std::string& start) {
    if (start == "2") return "自動";
    if (start == "3") return "手動";
    if (start == "4") return "無効";
    return "不明";
}

std::string AccountText(const std::string& objectName) {
    const std::string lower = text::AsciiLower(objectName);
    if (lower.find("localsystem") != std::string::npos) return "ローカル システム";
    if (lower.find("localservice") != std::string::npos) return "ローカル サービス";
    if (lower.find("networkservice") != std::string::npos) return "ネットワーク サービス";
    return "不明";
}

std::vector<std::string> SplitLines(const std::string& multi) {
    std::vector<std::string> lines;
    std::string line;
    for (char c : multi) {
        if (c == '\r') {
            lines.push_back(line);
            line.clear();
        } else {
            line.push_back(c);
        }
    }
    return lines;
}

std::string FillPlaceholders(const std::string& pattern, const std::vector<std::string>& values) {
    std::string out;
    size_t next = 0, from = 0;
    for (size_t at; (at = pattern.find("%s", from)) != std::string::npos && next < values.size(); from = at + 2) {
        out += pattern.substr(from, at - from) + values[next++];
    }
    return out + pattern.substr(from);
}
}  // namespace

std::vector<ListedService> ListServices(ProgramContext& ctx) {
    RegistryStore& reg = ctx.platform.registry;
    std::vector<ListedService> listed;
    const bool vista = Vista(ctx);
    for (const auto& keyName : RegSubKeyNames(reg, HKLM, kServicesKey)) {
        if (RegValueKind(reg, HKLM, ServiceKey(keyName), "DisplayName") != kind::kString) continue;
        if (ReadString(ctx, keyName, "ObjectName") == kNullText) continue;
        if (vista && IsProtectedService(keyName)) continue;
        listed.push_back({keyName, ReadableString(ctx, keyName, "DisplayName", vista)});
    }
    return listed;
}

ServiceStates::ServiceStates(ProgramContext& ctx) : ctx_(ctx) {
    const auto enumerated = ctx.platform.services.EnumerateStates();
    if (!enumerated) return;
    enumerated_ = true;
    for (const auto& [name, state] : *enumerated) states_.emplace(text::RegistryUpper(name), state);
}

ServiceState ServiceStates::Of(const std::string& keyName) const {
    const auto it = states_.find(text::RegistryUpper(keyName));
    return it != states_.end() ? it->second : StateOf(ctx_, keyName);
}

void FillServiceList(ProgramContext& ctx) {
    auto services = ListServices(ctx);
    // A manager that cannot be enumerated shows every service as running.
    const ServiceStates states(ctx);
    auto stopped = [&](const ListedService& s) {
        return states.Enumerated() && states.Of(s.keyName) == ServiceState::Stopped;
    };
    std::vector<std::pair<ListedService, bool>> entries;
    for (auto& s : services) entries.emplace_back(s, stopped(s));
    std::stable_sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) {
        return text::RegistryNameLess(a.first.displayName, b.first.displayName);
    });
    auto& list = ctx.items.List(TweakCategory::Service);
    auto& rules = ctx.items.rules[CategoryIndex(TweakCategory::Service)];
    list.clear();
    rules.clear();
    for (auto& [service, isStopped] : entries) {
        list.push_back({service.displayName, true, false});
        rules.push_back(std::make_unique<ServiceRule>(service.displayName, isStopped));
    }
    ctx.items.states.SetServiceCount(list.size());
}

void ReadServiceList(ProgramContext& ctx) {
    FillServiceList(ctx);
    ItemModel& m = ctx.items;
    auto& list = m.List(TweakCategory::Service);
    for (size_t pos = 0; pos < list.size(); ++pos) {
        const ItemRule* rule = m.Rule(TweakCategory::Service, pos);
        if (rule && rule->IsOptimised(ctx)) {
            list[pos].ticked = true;
            m.states.Set(TweakCategory::Service, pos, true);
        }
        list[pos].enabled = m.servicePageEnabled;
    }
}

std::string ServiceDetailsText(ProgramContext& ctx, const std::string& displayName, const std::string& plainTemplate) {
    RegistryStore& reg = ctx.platform.registry;
    std::string keyName;
    for (const auto& s : ListServices(ctx))
        if (s.displayName == displayName) keyName = s.keyName;  // the last of equal names
    auto orText = [](const std::string& v, const char* absent) { return v == kNullText ? std::string(absent) : v; };
    const std::string key = ServiceKey(keyName);
    const bool vista = Vista(ctx);
    auto shown = [&](const std::string& name, const char* value) { return ReadableString(ctx, name, value, vista); };

    std::string dependencies;
    const std::string dependOn = RegReadValue(reg, HKLM, key, "DependOnService", kind::kMultiString);
    if (dependOn == kNullText) {
        dependencies = "依存関係なし";
    } else {
        for (const auto& name : SplitLines(dependOn)) {
            const std::string named = shown(name, "DisplayName");
            dependencies += "\r\n　" + (named == kNullText ? name : named) + " (" +
                            ServiceStatusText(StateOf(ctx, name)) + ")";
        }
    }
    std::string dependents;
    const std::string lowerKey = text::AsciiLower(keyName);
    for (const auto& other : RegSubKeyNames(reg, HKLM, kServicesKey)) {
        const std::string theirs = RegReadValue(reg, HKLM, ServiceKey(other), "DependOnService", kind::kMultiString);
        if (theirs == kNullText || keyName.empty() || text::AsciiLower(theirs).find(lowerKey) == std::string::npos)
            continue;
        dependents += "\r\n　" + shown(other, "DisplayName") + " (" + ServiceStatusText(StateOf(ctx, other)) + ")";
    }
    if (dependents.empty()) dependents = "依存関係なし";

    return FillPlaceholders(plainTemplate, {
        shown(keyName, "DisplayName"),
        orText(shown(keyName, "Description"), "なし"),
        keyName,
        displayName,
        StartTypeText(RegReadValue(reg, HKLM, key, "Start", kind::kDword)),
        AccountText(ReadString(ctx, keyName, "ObjectName")),
        orText(ReadString(ctx, keyName, "ImagePath"), "不明"),
        dependencies,
        dependents,
    });
}

}  // namespace brisko
