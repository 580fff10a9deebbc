// The Win32 process launcher against real processes and windows. The child
// processes are this test program again, running only ProcessChild, which
// reports how it was started in a marker file.
#include <gtest/gtest.h>

#include <windows.h>

#include <future>
#include <memory>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "platform/win32/wide.h"
#include "platform/win32/win32_process_launcher.h"
#include "support/backends.h"

namespace brisko {
namespace {

using win32::Narrow;
using win32::WaitForWindowClassGone;
using win32::Widen;
using win32::Win32ProcessLauncher;

constexpr wchar_t kMarkerVariable[] = L"BRISKO_CHILD_MARKER";
constexpr wchar_t kSleepVariable[] = L"BRISKO_CHILD_SLEEP_MS";
constexpr int kChildSleepMs = 1500;
constexpr int kChildExitCode = 23;
constexpr char kNoSuchProgram[] = "no-such-program-xyz.exe";

std::wstring Variable(const wchar_t* name) {
    wchar_t value[MAX_PATH * 2];
    const DWORD n = GetEnvironmentVariableW(name, value, MAX_PATH * 2);
    return n > 0 && n < MAX_PATH * 2 ? std::wstring(value, n) : std::wstring();
}

// Run as a child by the tests below: sleeps, then writes how it was asked to
// show its window. It ends the process itself so that no test result lines
// of its own end up in the output the parent shares with it.
TEST(ProcessChild, SleepThenWriteMarker) {
    const std::wstring marker = Variable(kMarkerVariable);
    if (marker.empty()) GTEST_SKIP() << "only runs as a child of the process launcher tests";
    const std::wstring sleep = Variable(kSleepVariable);
    Sleep(sleep.empty() ? kChildSleepMs : std::stoi(sleep));

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    GetStartupInfoW(&startup);
    const std::string report = (startup.dwFlags & STARTF_USESHOWWINDOW)
                                   ? "show=" + std::to_string(startup.wShowWindow)
                                   : std::string("show=default");
    HANDLE file = CreateFileW(marker.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(file, report.data(), static_cast<DWORD>(report.size()), &written, nullptr);
    CloseHandle(file);
    ExitProcess(kChildExitCode);
}

// Puts the child's settings in this process's environment, which the next
// process started inherits, and takes them out again.
class ChildSettings {
public:
    ChildSettings(const std::string& marker, int sleepMs) {
        SetEnvironmentVariableW(kMarkerVariable, Widen(marker).c_str());
        SetEnvironmentVariableW(kSleepVariable, std::to_wstring(sleepMs).c_str());
    }
    ~ChildSettings() {
        SetEnvironmentVariableW(kMarkerVariable, nullptr);
        SetEnvironmentVariableW(kSleepVariable, nullptr);
    }
};

std::string ChildCommand() {
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    return "\"" + Narrow(self) + "\" --gtest_filter=ProcessChild.*";
}

struct Stopwatch {
    DWORD start = GetTickCount();
    int Ms() const { return static_cast<int>(GetTickCount() - start); }
};

// Takes whatever a test left in this thread's queue (a WM_QUIT above all),
// so the tests after it start clean.
struct DrainQueueAfterwards {
    ~DrainQueueAfterwards() {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        }
    }
};

class ProcessLauncherWithChild : public ::testing::Test {
protected:
    std::unique_ptr<testing::FilesUnderTest> scratch = testing::MakeFilesUnderTest();
    Win32ProcessLauncher launcher;

    // The marker's text once the child has written it, or "" after timeoutMs.
    std::string WaitForMarker(const std::string& path, int timeoutMs) {
        const Stopwatch watch;
        for (;;) {
            const auto text = scratch->files->ReadFile(path);
            if (text && !text->empty()) return *text;
            if (watch.Ms() > timeoutMs) return "";
            Sleep(20);
        }
    }
    bool Exists(const std::string& path) { return scratch->files->GetAttributes(path).has_value(); }
};

TEST_F(ProcessLauncherWithChild, RunHiddenAndRunInNewConsoleReturnBeforeTheCommandEnds) {
    const struct {
        std::string marker;
        void (Win32ProcessLauncher::*run)(const std::string&);
        int show;
    } starts[] = {{scratch->Path("hidden.marker"), &Win32ProcessLauncher::RunHidden, SW_HIDE},
                  {scratch->Path("console.marker"), &Win32ProcessLauncher::RunInNewConsole, SW_SHOWNORMAL}};
    for (const auto& s : starts) {
        ChildSettings child(s.marker, kChildSleepMs);
        const Stopwatch watch;
        (launcher.*s.run)(ChildCommand());
        EXPECT_LT(watch.Ms(), 1000);
        EXPECT_FALSE(Exists(s.marker)) << "the child cannot have finished yet";
    }
    for (const auto& s : starts) EXPECT_EQ(WaitForMarker(s.marker, 15000), "show=" + std::to_string(s.show));
}

TEST_F(ProcessLauncherWithChild, RunAndWaitReturnsTheExitCodeOnceTheCommandHasEnded) {
    // Found through the search path, with and without its extension.
    EXPECT_EQ(launcher.RunAndWait("cmd.exe /c exit 7", {}), 7);
    EXPECT_EQ(launcher.RunAndWait("cmd /c exit 0", {}), 0);

    const std::string marker = scratch->Path("waited.marker");
    ChildSettings child(marker, 300);
    const Stopwatch watch;
    EXPECT_EQ(launcher.RunAndWait(ChildCommand(), [] {}), kChildExitCode);
    EXPECT_GE(watch.Ms(), 300);
    EXPECT_EQ(WaitForMarker(marker, 0), "show=" + std::to_string(SW_HIDE)) << "written before RunAndWait returned";
}

TEST_F(ProcessLauncherWithChild, RunAndWaitEndsACommandThatOutlivesItsTimeLimit) {
    const std::string marker = scratch->Path("late.marker");
    ChildSettings child(marker, 2000);
    const Stopwatch watch;
    EXPECT_EQ(launcher.RunAndWait(ChildCommand(), {}, 300), ProcessLauncher::kTimedOut);
    EXPECT_LT(watch.Ms(), 1500);
    EXPECT_EQ(WaitForMarker(marker, 2500), "") << "ended, so it never writes afterwards";
    EXPECT_EQ(launcher.RunAndWait("cmd.exe /c exit 6", {}, 10000), 6) << "a command within its limit";
}

TEST_F(ProcessLauncherWithChild, RunInNewConsoleAndWaitShowsTheConsoleAndReturnsOnceItHasEnded) {
    const std::string marker = scratch->Path("console-wait.marker");
    ChildSettings child(marker, 300);
    const Stopwatch watch;
    const StartResult started = launcher.RunInNewConsoleAndWait(ChildCommand(), [] {});
    EXPECT_TRUE(started.started);
    EXPECT_GE(watch.Ms(), 300);
    EXPECT_EQ(WaitForMarker(marker, 0), "show=" + std::to_string(SW_SHOWNORMAL)) << "written before it returned";

    const StartResult missing = launcher.RunInNewConsoleAndWait(kNoSuchProgram, [] {});
    EXPECT_FALSE(missing.started);
    EXPECT_EQ(missing.errorCode, static_cast<unsigned long>(ERROR_FILE_NOT_FOUND)) << "the system's own code";
}

TEST_F(ProcessLauncherWithChild, RestartExplorerWithNoShellRunningStartsTheShellCommandAtOnce) {
    // Never disturb a real shell: this only runs where there is none.
    if (FindWindowW(L"Progman", nullptr)) GTEST_SKIP() << "a shell is running here";
    const std::string marker = scratch->Path("shell.marker");
    ChildSettings child(marker, 0);
    Win32ProcessLauncher shellLauncher(ChildCommand());
    const Stopwatch watch;
    shellLauncher.RestartExplorer();
    EXPECT_LT(watch.Ms(), 1000) << "nothing to wait for";
    EXPECT_EQ(WaitForMarker(marker, 15000), "show=" + std::to_string(SW_SHOWNORMAL));
}

TEST(ProcessLauncherStartFailure, ACommandThatCannotStartIsNotReported) {
    Win32ProcessLauncher launcher;
    launcher.RunHidden(kNoSuchProgram);
    launcher.RunInNewConsole(kNoSuchProgram);
    launcher.RunHidden("");
    EXPECT_EQ(launcher.RunAndWait(kNoSuchProgram, [] {}), -1);
    EXPECT_EQ(launcher.RunAndWait("", {}), -1);
}

TEST(ProcessLauncherRunAndWait, CallsKeepAliveWhenMessagesArrive) {
    DrainQueueAfterwards drain;
    MSG msg;
    PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE);  // gives this thread a queue to post to
    ASSERT_TRUE(PostThreadMessageW(GetCurrentThreadId(), WM_APP + 1, 0, 0));
    int calls = 0;
    bool pumped = false;
    Win32ProcessLauncher launcher;
    const int code = launcher.RunAndWait("cmd.exe /c exit 3", [&] {
        ++calls;
        MSG m;
        while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) pumped = pumped || m.message == WM_APP + 1;
    });
    EXPECT_EQ(code, 3);
    EXPECT_GE(calls, 1);
    EXPECT_TRUE(pumped);
}

TEST(ProcessLauncherRunAndWait, WithoutKeepAliveItPumpsItselfAndLeavesAQuitForTheCaller) {
    DrainQueueAfterwards drain;
    MSG msg;
    PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE);
    ASSERT_TRUE(PostThreadMessageW(GetCurrentThreadId(), WM_APP + 2, 0, 0));
    PostQuitMessage(5);
    Win32ProcessLauncher launcher;
    EXPECT_EQ(launcher.RunAndWait("cmd.exe /c exit 4", {}), 4);
    // The waiting message was taken; the quit is there again, as it was.
    std::vector<std::pair<UINT, WPARAM>> left;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) left.emplace_back(msg.message, msg.wParam);
    EXPECT_EQ(left, (std::vector<std::pair<UINT, WPARAM>>{{WM_QUIT, 5}}));
}

// A window class of this test's own, so no real shell window is touched.
class PrivateWindowClass {
public:
    PrivateWindowClass() {
        static int counter = 0;
        name_ = L"BriskoTestShell-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++counter);
        WNDCLASSW wc{};
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = name_.c_str();
        RegisterClassW(&wc);
    }
    ~PrivateWindowClass() { UnregisterClassW(name_.c_str(), GetModuleHandleW(nullptr)); }
    const wchar_t* Name() const { return name_.c_str(); }

private:
    std::wstring name_;
};

// The shell's window is top-level, which needs a display driver; where Wine
// has none, the same wait is checked among message-only windows.
enum class WindowKind { TopLevel, MessageOnly };

class ProcessLauncherShellWait : public ::testing::TestWithParam<WindowKind> {
protected:
    PrivateWindowClass shell;

    void SetUp() override {
        if (GetParam() != WindowKind::TopLevel) return;
        const HWND probe = Create();
        if (!probe) GTEST_SKIP() << "no display driver here: top-level windows cannot be made";
        DestroyWindow(probe);
    }
    HWND Parent() const { return GetParam() == WindowKind::MessageOnly ? HWND_MESSAGE : nullptr; }
    HWND Create() const {
        return CreateWindowW(shell.Name(), L"", WS_OVERLAPPEDWINDOW, 0, 0, 10, 10, Parent(), nullptr,
                             GetModuleHandleW(nullptr), nullptr);
    }
    HWND Find() const { return FindWindowExW(Parent(), nullptr, shell.Name(), nullptr); }
    bool Wait(int timeoutMs) const { return WaitForWindowClassGone(shell.Name(), timeoutMs, Parent()); }
};

TEST_P(ProcessLauncherShellWait, ReturnsOnceTheWindowsThreadHasQuitAndDestroyedIt) {
    {
        const Stopwatch watch;
        EXPECT_TRUE(Wait(5000));
        EXPECT_LT(watch.Ms(), 100) << "no window of the class: nothing to wait for";
    }
    // Like a shell on its way out, the thread takes a while after its loop ends.
    constexpr int kLingerMs = 150;
    std::promise<HWND> created;
    std::thread owner([&] {
        const HWND window = Create();
        created.set_value(window);
        if (!window) return;
        MSG msg;
        while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
        Sleep(kLingerMs);
        DestroyWindow(window);
    });
    const HWND window = created.get_future().get();
    if (!window) owner.join();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(Find(), window);

    const Stopwatch watch;
    PostMessageW(window, WM_QUIT, 0, 0);
    const bool gone = Wait(5000);
    const int took = watch.Ms();
    owner.join();
    EXPECT_TRUE(gone);
    EXPECT_GE(took, kLingerMs - 20) << "returned while the window was still there";
    EXPECT_LT(took, 2000);
    EXPECT_EQ(Find(), nullptr);
}

TEST_P(ProcessLauncherShellWait, GivesUpAfterTheTimeoutWhenTheWindowStays) {
    const HWND window = Create();
    ASSERT_NE(window, nullptr);
    const Stopwatch watch;
    EXPECT_FALSE(Wait(200));
    EXPECT_GE(watch.Ms(), 190);
    EXPECT_LT(watch.Ms(), 1000);
    DestroyWindow(window);
}

INSTANTIATE_TEST_SUITE_P(, ProcessLauncherShellWait,
                         ::testing::Values(WindowKind::TopLevel, WindowKind::MessageOnly),
                         [](const auto& info) {
                             return info.param == WindowKind::TopLevel ? "TopLevel" : "MessageOnly";
                         });

}  // namespace
}  // namespace brisko
