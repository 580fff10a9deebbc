// The program's entry: one running copy, the main window, the message loop.
#include <windows.h>
#include <commctrl.h>

#include "platform/win32/system_paths.h"
#include "platform/win32/win32_step_trace.h"
#include "ui/control_ids.h"
#include "ui/win32/command_line_entry.h"
#include "ui/win32/main_window.h"
#include "ui/win32/message_box_prompts.h"
#include "ui/win32/win32_backends.h"

namespace {

int RunProgram(brisko::StepTrace& trace) {
    brisko::ui::Win32Backends backends;
    brisko::ui::MessageBoxPrompts prompts;
    brisko::ProgramContext ctx(backends.With(prompts));
    ctx.UseStepTrace(trace);
    backends.Serve(ctx);
    trace.Step("backends");
    brisko::ui::MainWindow main(ctx, prompts);
    main.Create();
    if (!main.Handle()) return 1;
    trace.Step("window made");
    backends.processes.SetOwnerWindow(main.Handle());
    // Made hidden and filled; shown once, drawn whole with its controls.
    ShowWindow(main.Handle(), SW_SHOW);
    RedrawWindow(main.Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    trace.Step("window shown");
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
    brisko::win32::Win32StepTrace trace;
    trace.Step("WinMain");
    brisko::win32::KeepCurrentFolderOutOfDllSearch();
    // Switches run one command without any window.
    if (const auto args = brisko::ui::CommandLineArguments(); !args.empty()) return brisko::ui::RunCommandLine(args);
    // The mutex comes first, before any window: a copy is running when it is
    // taken. Then its window is brought into view and this one goes; the
    // running copy does it itself, so that a window hidden in the
    // notification area comes back too.
    HANDLE mutex = brisko::ui::TakeSingleInstanceMutex();
    if (!mutex) {
        if (HWND window = FindWindowW(L"TFrmMain", nullptr)) {
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            AllowSetForegroundWindow(owner);  // the running copy may take the foreground from us
            PostMessageW(window, RegisterWindowMessageW(brisko::ui::kComeForwardMessage), 0, 0);
            SetForegroundWindow(window);
        }
        return 0;
    }
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_WIN95_CLASSES | ICC_TAB_CLASSES;
    InitCommonControlsEx(&controls);
    brisko::win32::LoadSystemLibrary(L"riched20.dll");
    trace.Step("common controls");
    const int result = RunProgram(trace);
    CloseHandle(mutex);
    return result;
}
