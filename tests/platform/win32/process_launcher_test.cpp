// The Win32 process launcher against real processes. The child
// processes are this test program again, running only ProcessChild, which
// reports how it was started in a marker file.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>

#include "platform/win32/wide.h"
#include "platform/win32/win32_process_launcher.h"
#include "support/backends.h"

namespace brisko {
namespace {

using win32::Narrow;
using win32::Widen;
using win32::Win32ProcessLauncher;

constexpr wchar_t kMarkerVariable[] = L"BRISKO_CHILD_MARKER";
constexpr wchar_t kSleepVariable[] = L"BRISKO_CHILD_SLEEP_MS";
constexpr int kChildSleepMs = 1500;
constexpr int kChildExitCode = 23;
constexpr char kNoSuchProgram[] = "no-such-program-xyz.exe";

// Run as a child by the tests below: sleeps, then writes how it was asked to
// show its window. It ends the process itself so that no test result lines
// of its own end up in the output the parent shares with it.
TEST(ProcessChild, SleepThenWriteMarker) {
    const wchar_t* marker = _wgetenv(kMarkerVariable);
    if (!marker) GTEST_SKIP() << "only runs as a child of the process launcher tests";
    const wchar_t* sleep = _wgetenv(kSleepVariable);
    Sleep(sleep ? std::stoi(sleep) : kChildSleepMs);

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    GetStartupInfoW(&startup);
    const std::string report = (startup.dwFlags & STARTF_USESHOWWINDOW) ? "show=" + std::to_string(startup.wShowWindow)
                                                                        : std::string("show=default");
    HANDLE file = CreateFileW(marker, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
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

TEST_F(ProcessLauncherWithChild, RunAndWaitReturnsTheExitCodeOnceTheCommandHasEndedOrIsEnded) {
    // Found through the search path, with and without its extension.
    EXPECT_EQ(launcher.RunAndWait("cmd.exe /c exit 7", {}), 7);
    EXPECT_EQ(launcher.RunAndWait("cmd /c exit 0", {}, 10000), 0);
    EXPECT_EQ(launcher.RunAndWait(kNoSuchProgram, [] {}), -1);
    EXPECT_EQ(launcher.RunAndWait("", {}), -1);
    launcher.RunHidden(kNoSuchProgram);  // a start that fails is not reported
    {
        const std::string marker = scratch->Path("waited.marker");
        ChildSettings child(marker, 300);
        const Stopwatch watch;
        EXPECT_EQ(launcher.RunAndWait(ChildCommand(), [] {}), kChildExitCode);
        EXPECT_GE(watch.Ms(), 300);
        EXPECT_EQ(WaitForMarker(marker, 0), "show=" + std::to_string(SW_HIDE)) << "written before RunAndWait returned";
    }
    const std::string marker = scratch->Path("late.marker");
    ChildSettings child(marker, 2000);
    const Stopwatch watch;
    EXPECT_EQ(launcher.RunAndWait(ChildCommand(), {}, 300), ProcessLauncher::kTimedOut);
    EXPECT_LT(watch.Ms(), 1500);
    EXPECT_EQ(WaitForMarker(marker, 2500), "") << "ended, so it never writes afterwards";
}

TEST_F(ProcessLauncherWithChild, ABareNameRunsWindowsOwnProgramNotACopyInTheCurrentFolder) {
    // A copy of this program as cmd.exe in the current folder, which ends with
    // kChildExitCode where it is started.
    wchar_t self[MAX_PATH], before[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    ASSERT_TRUE(CopyFileW(self, Widen(scratch->Path("cmd.exe")).c_str(), FALSE));
    GetCurrentDirectoryW(MAX_PATH, before);
    SetCurrentDirectoryW(Widen(scratch->folder).c_str());
    ChildSettings child(scratch->Path("planted.marker"), 0);
    const int code = launcher.RunAndWait("cmd /c exit 7", {}, 20000);
    SetCurrentDirectoryW(before);
    EXPECT_EQ(code, 7);
}

}  // namespace
}  // namespace brisko
