#include "engine/service_control.h"

#include "engine/program_preferences.h"
#include "platform/error.h"
#include "platform/value_text.h"

namespace brisko {

namespace {
constexpr unsigned long kManual = 3;

std::string Named(const NamedService& s) { return "サービス '" + s.displayName + "' (" + s.keyName + ")"; }

// "<service> <what>: <why>", the service named in full.
std::string Failure(const NamedService& s, const std::string& what, const ServiceAnswer& answer) {
    return Named(s) + " " + what + ": " + ServiceAnswerText(answer);
}

bool RefuseUnsafe(ProgramContext& ctx, const std::string& displayName) {
    if (!UnsafeForCommandLine(displayName)) return false;
    ctx.platform.prompts.Error(FormatUserMessage(
        "サービス '%s' は表示名に使用できない文字 (\") を含むため、変更しませんでした。", displayName));
    return true;
}

// A stop would have to stop the running dependents as well. Such a service
// is left running and named instead (as an error, or as a warning where the
// restore goes on); so is one whose dependents cannot be told.
bool RefuseRunningDependents(ProgramContext& ctx, const std::string& keyName, const std::string& shownName,
                             bool warn = false) {
    const auto dependents = ctx.platform.services.ActiveDependents(keyName);
    if (dependents && dependents->empty()) return false;
    std::string text;
    if (!dependents) {
        text = FormatUserMessage("サービス '%s' に依存するサービスを確認できないため、停止しませんでした。", shownName);
    } else {
        text = FormatUserMessage("サービス '%s' は、依存する次のサービスが動作中のため停止しませんでした。", shownName);
        for (const auto& name : *dependents) text += "\r\n　" + name;
    }
    if (warn) ctx.platform.prompts.Warn(text);
    else ctx.platform.prompts.Error(text);
    return true;
}

bool RefuseProtected(ProgramContext& ctx, const NamedService& s) {
    if (ManagerAllowsChange(ctx, s.keyName)) return false;
    ctx.platform.prompts.Error(Named(s) +
                               " は、Windows がこのプログラムに停止と設定の変更を許していないため、変更しませんでした。");
    return true;
}

// The kept start type: 2, 3 or 4; anything else (nothing kept) is manual.
unsigned long KeptStartType(const std::string& kept) {
    if (kept == "2" || kept == "3" || kept == "4") return static_cast<unsigned long>(kept[0] - '0');
    return kManual;
}
}  // namespace

bool ManagerAllowsChange(ProgramContext& ctx, const std::string& keyName) {
    return ctx.platform.services.Access(keyName).Changeable();
}

bool UnsafeForCommandLine(const std::string& displayName) {
    return displayName.find('"') != std::string::npos || displayName.find('\r') != std::string::npos ||
           displayName.find('\n') != std::string::npos;
}

bool StopServiceKeepingStartType(ProgramContext& ctx, const NamedService& s, std::string_view memorySection) {
    if (RefuseUnsafe(ctx, s.displayName) || RefuseRunningDependents(ctx, s.keyName, s.displayName) ||
        RefuseProtected(ctx, s))
        return false;
    ServiceManager& manager = ctx.platform.services;
    // The stop first: a run cut short after it leaves a stopped service with
    // its own start type, never a running one set to manual.
    if (const ServiceAnswer stop = manager.StopAndWait(s.keyName, kServiceWait); !stop.Done()) {
        ctx.platform.prompts.Error(Failure(s, "を停止できませんでした。何も変更していません", stop));
        return false;
    }
    if (const auto start = manager.StartType(s.keyName))
        PreferencesOf(ctx).Write(memorySection, s.displayName, std::to_string(*start));
    if (const ServiceAnswer change = manager.ChangeStartType(s.keyName, kManual); !change.Done()) {
        const bool restarted = manager.StartAndWait(s.keyName, kServiceWait).Done();
        ctx.platform.prompts.Error(Failure(s, "のスタートアップの種類を手動にできませんでした", change) +
                                   (restarted ? "\r\nサービスは開始し直しました。" : "\r\nサービスは停止したままです。"));
        return false;
    }
    return true;
}

bool StartServiceRestoringStartType(ProgramContext& ctx, const NamedService& s, std::string_view memorySection) {
    if (RefuseUnsafe(ctx, s.displayName) || RefuseProtected(ctx, s)) return false;
    ServiceManager& manager = ctx.platform.services;
    const unsigned long start = KeptStartType(PreferencesOf(ctx).Read(memorySection, s.displayName));
    if (const ServiceAnswer change = manager.ChangeStartType(s.keyName, start); !change.Done()) {
        ctx.platform.prompts.Error(Failure(s, "のスタートアップの種類を戻せませんでした。開始もしていません", change));
        return false;
    }
    if (const ServiceAnswer run = manager.StartAndWait(s.keyName, kServiceWait); !run.Done()) {
        ctx.platform.prompts.Error(Failure(s, "を開始できませんでした", run));
        return false;
    }
    return true;
}

bool PutServiceBack(ProgramContext& ctx, const NamedService& s, std::optional<ServiceState> state,
                    std::optional<unsigned long> startType) {
    if (!state && !startType) return true;
    ServiceManager& manager = ctx.platform.services;
    if (!ManagerAllowsChange(ctx, s.keyName)) {
        ctx.platform.prompts.Warn(Named(s) + " は、Windows がこのプログラムに変更を許していないため、復元しませんでした。");
        return false;
    }
    auto warned = [&](const char* what, const ServiceAnswer& answer) {
        ctx.platform.prompts.Warn(Failure(s, what, answer));
        return false;
    };
    if (state == ServiceState::Stopped && manager.QueryState(s.keyName) != ServiceState::Stopped) {
        if (RefuseRunningDependents(ctx, s.keyName, s.displayName, true)) return false;
        if (const ServiceAnswer stop = manager.StopAndWait(s.keyName, kServiceWait); !stop.Done())
            return warned("を停止できなかったため、復元しませんでした", stop);
    }
    if (startType) {
        if (const ServiceAnswer change = manager.ChangeStartType(s.keyName, *startType); !change.Done())
            return warned("のスタートアップの種類を復元できませんでした", change);
    }
    if (state == ServiceState::Running || state == ServiceState::Paused) {
        const bool paused = manager.QueryState(s.keyName) == ServiceState::Paused;
        if (state == ServiceState::Running && paused) {
            if (const ServiceAnswer go = manager.ContinueAndWait(s.keyName, kServiceWait); !go.Done())
                return warned("を再開できませんでした", go);
        } else if (!paused) {
            if (const ServiceAnswer run = manager.StartAndWait(s.keyName, kServiceWait); !run.Done())
                return warned("を開始できませんでした", run);
            if (state == ServiceState::Paused) {
                if (const ServiceAnswer pause = manager.PauseAndWait(s.keyName, kServiceWait); !pause.Done())
                    return warned("を一時停止できませんでした", pause);
            }
        }
    }
    return true;
}

}  // namespace brisko
