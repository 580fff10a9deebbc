#include "engine/service_control.h"

#include "platform/error.h"
#include "platform/registry_values.h"
#include "platform/value_text.h"
#include "engine/program_preferences.h"

namespace brisko {

namespace {
std::string ServiceKey(const std::string& keyName) { return std::string(kServicesKey) + "\\" + keyName; }

bool RefuseUnsafe(ProgramContext& ctx, const std::string& displayName) {
    if (!UnsafeForCommandLine(displayName)) return false;
    ctx.platform.prompts.Error(FormatUserMessage(
        "サービス '%s' は表示名に使用できない文字 (\") を含むため、変更しませんでした。", displayName));
    return true;
}

// net stop asks whether to stop the running dependents as well, and in its
// hidden console would wait for the answer for ever. Such a service is left
// running and named instead; so is one whose dependents cannot be told.
bool RefuseRunningDependents(ProgramContext& ctx, const std::string& keyName, const std::string& shownName) {
    const auto dependents = ctx.platform.services.ActiveDependents(keyName);
    if (dependents && dependents->empty()) return false;
    if (!dependents) {
        ctx.platform.prompts.Error(FormatUserMessage(
            "サービス '%s' に依存するサービスを確認できないため、停止しませんでした。", shownName));
        return true;
    }
    std::string names;
    for (const auto& name : *dependents) names += "\r\n　" + name;
    ctx.platform.prompts.Error(FormatUserMessage(
        "サービス '%s' は、依存する次のサービスが動作中のため停止しませんでした。", shownName) + names);
    return true;
}
}  // namespace

bool StopsWithoutQuestion(ProgramContext& ctx, const std::string& keyName, const std::string& shownName) {
    return !RefuseRunningDependents(ctx, keyName, shownName);
}

bool UnsafeForCommandLine(const std::string& displayName) {
    return displayName.find('"') != std::string::npos || displayName.find('\r') != std::string::npos ||
           displayName.find('\n') != std::string::npos;
}

bool StopServiceKeepingStartType(ProgramContext& ctx, const std::string& keyName, const std::string& displayName,
                                 std::string_view memorySection) {
    if (RefuseUnsafe(ctx, displayName) || RefuseRunningDependents(ctx, keyName, displayName)) return false;
    RegistryStore& reg = ctx.platform.registry;
    const RegRoot hklm = RegRoot::LocalMachine;
    PreferencesOf(ctx).Write(memorySection, displayName, RegReadValue(reg, hklm, ServiceKey(keyName), "Start", kind::kDword));
    RegWriteValue(reg, hklm, ServiceKey(keyName), "Start", kind::kDword, "3");
    ctx.platform.processes.RunHidden("net stop \"" + displayName + "\"");
    return true;
}

bool StartServiceRestoringStartType(ProgramContext& ctx, const std::string& keyName, const std::string& displayName,
                                    std::string_view memorySection) {
    if (RefuseUnsafe(ctx, displayName)) return false;
    std::string start = PreferencesOf(ctx).Read(memorySection, displayName);
    if (start == kNullText) start = "3";
    RegWriteValue(ctx.platform.registry, RegRoot::LocalMachine, ServiceKey(keyName), "Start", kind::kDword, start);
    ctx.platform.processes.RunHidden("net start \"" + displayName + "\"");
    return true;
}

}  // namespace brisko
