// The program's entry: one running copy, the main window, the message loop.
#include <windows.h>
#include <commctrl.h>

#include <optional>
#include <string>

#include "engine/program_context.h"
#include "platform/embedded_text_resources.h"
#include "platform/recording_process_launcher.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_process_launcher.h"
#include "platform/win32/win32_registry_store.h"
#include "platform/win32/win32_service_manager.h"
#include "platform/win32/win32_system_info.h"
#include "ui/control_ids.h"
#include "ui/win32/main_window.h"
#include "ui/win32/message_box_prompts.h"

namespace {

// Everything the program's context refers to, made once at start.
struct Win32Backends {
    brisko::win32::Win32RegistryStore registry;
    brisko::win32::Win32FileSystem files;
    brisko::win32::Win32ProcessLauncher processes;
    brisko::ui::MessageBoxPrompts prompts;
    brisko::EmbeddedTextResources resources;
    brisko::win32::Win32SystemInfo system;
    brisko::win32::Win32ServiceManager services;
    brisko::win32::Win32Clock clock;
};

// Where the environment asks for it (BRISKO_LAUNCH_LOG=file), the program
// writes down what it would start instead of starting it: the end-to-end
// tests press every button this way without opening tools or restarting.
std::string LaunchLogPath() {
    wchar_t path[MAX_PATH] = L"";
    const DWORD n = GetEnvironmentVariableW(L"BRISKO_LAUNCH_LOG", path, MAX_PATH);
    return n > 0 && n < MAX_PATH ? brisko::win32::Narrow(path) : std::string();
}

int RunProgram() {
    Win32Backends backends;
    const std::string launchLog = LaunchLogPath();
    std::optional<brisko::RecordingProcessLauncher> recorder;
    if (!launchLog.empty()) recorder.emplace(backends.files, launchLog);
    brisko::ProcessLauncher& processes = recorder ? static_cast<brisko::ProcessLauncher&>(*recorder)
                                                  : backends.processes;
    brisko::ProgramContext ctx(brisko::Platform{backends.registry, backends.files, processes,
                                                backends.prompts, backends.resources, backends.system,
                                                backends.services, backends.clock});
    brisko::ui::MainWindow main(ctx, backends.prompts);
    main.Create();
    if (!main.Handle()) return 1;
    backends.processes.SetOwnerWindow(main.Handle());
    ShowWindow(main.Handle(), SW_SHOW);
    UpdateWindow(main.Handle());
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        // Tab, Shift+Tab, Enter, Esc and access keys move and act within the
        // program's window that is active, as they do in a dialog.
        HWND active = GetActiveWindow();
        if (active && IsDialogMessageW(active, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // A copy is running: bring its window into view and go. The running copy
    // does it itself, so that a window hidden in the notification area comes
    // back too.
    if (HANDLE running = OpenMutexW(MUTEX_ALL_ACCESS, FALSE, L"Brisko")) {
        CloseHandle(running);
        if (HWND window = FindWindowW(L"TFrmMain", nullptr)) {
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            AllowSetForegroundWindow(owner);  // the running copy may take the foreground from us
            PostMessageW(window, RegisterWindowMessageW(brisko::ui::kComeForwardMessage), 0, 0);
            SetForegroundWindow(window);
        }
        return 0;
    }
    HANDLE mutex = CreateMutexW(nullptr, FALSE, L"Brisko");
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_WIN95_CLASSES | ICC_TAB_CLASSES;
    InitCommonControlsEx(&controls);
    LoadLibraryW(L"riched20.dll");
    const int result = RunProgram();
    if (mutex) CloseHandle(mutex);
    return result;
}
