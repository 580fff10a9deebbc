#pragma once
// Everything the program's context refers to on Windows, made once at start,
// for the window and for the command line alike.
#include <windows.h>

#include <optional>
#include <string>

#include "engine/program_context.h"
#include "platform/embedded_text_resources.h"
#include "platform/recording_process_launcher.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_effect_source.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_process_launcher.h"
#include "platform/win32/win32_registry_store.h"
#include "platform/win32/win32_restore_points.h"
#include "platform/win32/win32_service_manager.h"
#include "platform/win32/win32_system_info.h"
#include "platform/win32/win32_user_accounts.h"

namespace brisko::ui {

struct Win32Backends {
    Win32Backends() {
#ifdef BRISKO_TEST_HOOKS
        // The test build only: where the environment asks for it
        // (BRISKO_LAUNCH_LOG=file), it writes down what it would start
        // instead of starting it, so the end-to-end tests press every button
        // without opening tools or restarting.
        wchar_t path[MAX_PATH] = L"";
        const DWORD n = GetEnvironmentVariableW(L"BRISKO_LAUNCH_LOG", path, MAX_PATH);
        if (n > 0 && n < MAX_PATH) recorder.emplace(files, win32::Narrow(path));
        // Likewise BRISKO_RESTORE_POINT_LOG=file: what was asked of System Restore, and its answers.
        wchar_t pointLog[MAX_PATH] = L"";
        const DWORD m = GetEnvironmentVariableW(L"BRISKO_RESTORE_POINT_LOG", pointLog, MAX_PATH);
        if (m > 0 && m < MAX_PATH) loggedPoints.emplace(restorePoints, files, win32::Narrow(pointLog));
        // And BRISKO_EFFECT_EVENTS=file: Windows' start and shutdown records
        // read from an export of the event log instead of the log itself (the
        // set in tests/data was recorded in Japan, at UTC+9), so the 効果
        // page draws its chart where Wine keeps no records.
        wchar_t events[MAX_PATH] = L"";
        const DWORD e = GetEnvironmentVariableW(L"BRISKO_EFFECT_EVENTS", events, MAX_PATH);
        if (e > 0 && e < MAX_PATH)
            if (auto text = files.ReadFile(win32::Narrow(events))) {
                plantedEffects.emplace();
                plantedEffects->rendered = {std::move(*text)};
                plantedEffects->utcOffsetMinutes = 540;
            }
#endif
    }
    // Hands System Restore, the accounts and the event log's start and shutdown times to the context.
    void Serve(ProgramContext& ctx) {
        ctx.UseRestorePoints(loggedPoints ? static_cast<RestorePoints&>(*loggedPoints) : restorePoints);
        ctx.UseAccounts(accounts);
        ctx.UseEffectSource(plantedEffects ? static_cast<EffectSource&>(*plantedEffects) : effects);
    }
    ProcessLauncher& Launcher() {
        return recorder ? static_cast<ProcessLauncher&>(*recorder) : processes;
    }
    Platform With(Prompts& prompts) {
        return Platform{registry, files, Launcher(), prompts, resources, system, services, clock};
    }

    win32::Win32RegistryStore registry;
    win32::Win32FileSystem files;
    win32::Win32ProcessLauncher processes;
    EmbeddedTextResources resources;
    win32::Win32SystemInfo system;
    win32::Win32ServiceManager services;
    win32::Win32Clock clock;
    std::optional<RecordingProcessLauncher> recorder;
    win32::Win32RestorePoints restorePoints;
    std::optional<LoggedRestorePoints> loggedPoints;
    win32::Win32UserAccounts accounts;
    win32::Win32EffectSource effects;
    std::optional<MemoryEffectSource> plantedEffects;
};

}  // namespace brisko::ui
