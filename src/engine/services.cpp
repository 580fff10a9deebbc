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

// Service types (the "Type" value): a Win32 service runs in its own process
// or shares one, and may interact with the desktop; a per-user service's
// template and its instances carry flags of their own.
constexpr uint32_t kOwnProcess = 0x10, kShareProcess = 0x20, kInteractive = 0x100;

std::string ServiceKey(const std::string& keyName) { return std::string(kServicesKey) + "\\" + keyName; }

// A value of a service's key, read with query access only: a hardened
// service's key refuses more.
std::optional<RegValueData> Query(ProgramContext& ctx, const std::string& keyName, const char* name) {
    return ctx.platform.registry.QueryValue(HKLM, ServiceKey(keyName).substr(1), name, RegAccess::Query);
}
// A text value ("String" or "ExString"): "NULL" when absent or empty, "UnfitType" for another type.
std::string ReadString(ProgramContext& ctx, const std::string& keyName, const char* name) {
    const auto v = Query(ctx, keyName, name);
    if (!v) return std::string(kNullText);
    if (v->type != regtype::kSz && v->type != regtype::kExpandSz) return std::string(kUnfitType);
    const std::string text = DecodeRegString(v->bytes);
    return text.empty() ? std::string(kNullText) : text;
}
std::optional<uint32_t> ReadDword(ProgramContext& ctx, const std::string& keyName, const char* name) {
    const auto v = Query(ctx, keyName, name);
    if (!v || v->type != regtype::kDword || v->bytes.size() != 4) return std::nullopt;
    uint32_t n = 0;
    for (int i = 3; i >= 0; --i) n = (n << 8) | static_cast<unsigned char>(v->bytes[i]);
    return n;
}

// A service of its own or a shared process; never a driver, a per-user
// service's template (0x40) or instance (0x80), or anything else newer.
bool IsWin32Service(ProgramContext& ctx, const std::string& keyName) {
    const auto type = ReadDword(ctx, keyName, "Type");
    return type && (*type & (kOwnProcess | kShareProcess)) != 0 &&
           (*type & ~(kOwnProcess | kShareProcess | kInteractive)) == 0;
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

// One entry of the services page, acting on its service by key name: two
// services of one display name are two entries, each its own.
class ServiceRule final : public ItemRule {
public:
    ServiceRule(ListedService service, bool stopped) : service_(std::move(service)), stopped_(stopped) {}
    bool IsOptimised(ProgramContext&) const override { return stopped_; }
    ApplyOutcome Optimise(ProgramContext& ctx) override { return Act(ctx, true); }
    ApplyOutcome ApplyDefault(ProgramContext& ctx) override { return Act(ctx, false); }
    const std::string& KeyName() const { return service_.keyName; }

private:
    ApplyOutcome Act(ProgramContext& ctx, bool stop) {
        // A service that is gone is skipped.
        if (!ctx.platform.registry.CanOpenKey(HKLM, ServiceKey(service_.keyName).substr(1), RegAccess::Query))
            return ApplyOutcome::GaveUp;
        const NamedService named{service_.keyName, service_.displayName};
        const bool done = stop ? StopServiceKeepingStartType(ctx, named, prefkey::kServicesMemory)
                               : StartServiceRestoringStartType(ctx, named, prefkey::kServicesMemory);
        // What the machine shows now; a rehearsal changes nothing.
        if (!ctx.journal.Rehearsing())
            stopped_ = done ? stop : StateOf(ctx, service_.keyName) == ServiceState::Stopped;
        return done ? ApplyOutcome::Applied : ApplyOutcome::Refused;
    }
    ListedService service_;
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

std::vector<ListedService> ListServices(ProgramContext& ctx, std::vector<std::string>* refused) {
    RegistryStore& reg = ctx.platform.registry;
    std::vector<ListedService> listed;
    const bool vista = Vista(ctx);
    for (const auto& keyName : RegSubKeyNames(reg, HKLM, kServicesKey)) {
        const auto displayName = Query(ctx, keyName, "DisplayName");
        if (!displayName || displayName->type != regtype::kSz) continue;
        if (ReadString(ctx, keyName, "ObjectName") == kNullText || !IsWin32Service(ctx, keyName)) continue;
        if (vista && IsProtectedService(keyName)) continue;
        if (!ManagerAllowsChange(ctx, keyName)) {
            if (refused) refused->push_back(keyName);
            continue;
        }
        listed.push_back({keyName, ReadableString(ctx, keyName, "DisplayName", vista)});
    }
    return listed;
}

std::string ServiceKeyAt(ProgramContext& ctx, size_t position) {
    const auto* rule = dynamic_cast<const ServiceRule*>(ctx.items.Rule(TweakCategory::Service, position));
    return rule ? rule->KeyName() : std::string();
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
        rules.push_back(std::make_unique<ServiceRule>(service, isStopped));
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
    const auto& list = ctx.items.List(TweakCategory::Service);
    for (size_t i = 0; i < list.size(); ++i)
        if (list[i].label == displayName) keyName = ServiceKeyAt(ctx, i);  // the last of equal names
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
    const auto start = ReadDword(ctx, keyName, "Start");

    return FillPlaceholders(plainTemplate, {
        shown(keyName, "DisplayName"),
        orText(shown(keyName, "Description"), "なし"),
        keyName,
        displayName,
        StartTypeText(start ? std::to_string(*start) : std::string(kNullText)),
        AccountText(ReadString(ctx, keyName, "ObjectName")),
        orText(ReadString(ctx, keyName, "ImagePath"), "不明"),
        dependencies,
        dependents,
    });
}

}  // namespace brisko
