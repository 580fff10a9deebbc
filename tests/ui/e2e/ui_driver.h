#pragma once
// Drives a running Brisko through Win32 messages: starts it, finds its main
// window by class, presses buttons by control id, reads what controls show,
// answers message boxes by caption, and photographs windows.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace brisko::ui::driver {

// Whether the program really starts what its buttons start, or only writes
// it down (see RecordedLaunches).
enum class Launches { Run, Record };

class RunningBrisko {
public:
    // Starts the program named by BRISKO_EXE and waits up to 20 s for its
    // main window to show.
    explicit RunningBrisko(Launches launches = Launches::Run);
    ~RunningBrisko();
    RunningBrisko(const RunningBrisko&) = delete;
    RunningBrisko& operator=(const RunningBrisko&) = delete;

    HWND Main() const { return main_; }
    HWND Control(int id) const { return GetDlgItem(main_, id); }
    DWORD ProcessId() const { return process_.dwProcessId; }
    double SecondsToWindow() const { return secondsToWindow_; }
    // Clicks a button and returns once the program has handled the click.
    void Click(int id) const;
    // Clicks a button that opens a modal box; returns at once.
    void ClickOpeningABox(int id) const;
    // The control of the program that has the keyboard focus, or nullptr.
    HWND Focus() const;
    // Types a key at the focused control (down, then up). It returns at once:
    // the program handles posted keys after any message sent to it, so wait
    // for what the key does with WaitFor.
    void PressKey(UINT virtualKey) const;
    void Close();

private:
    PROCESS_INFORMATION process_{};
    HWND main_ = nullptr;
    double secondsToWindow_ = 0;
};

// What a program started with Launches::Record was asked to start so far, one
// entry per request, as "ShellOpen\t<verb>\t<file>\t<parameters>\t<show>",
// "RunInNewConsole\t<line>", "RunAndWait\t<line>", "RestartWindows" and so on.
std::vector<std::string> RecordedLaunches();
// Starts the program again and waits for that copy to end; its exit code.
DWORD RunSecondCopy(DWORD timeoutMs = 20000);
// Top-level windows of the class in any process.
std::vector<HWND> WindowsOfClass(const wchar_t* className);
// Waits for a dialog of the caption owned by the process; nullptr on timeout.
HWND WaitForDialog(DWORD processId, const std::wstring& caption, DWORD timeoutMs = 10000);
std::wstring TextOf(HWND window);
// Presses a message box's button (IDYES, IDNO, IDOK) and waits for the box to go.
void Answer(HWND box, int button);
// Lets the program's thread handle what was sent to it.
void Settle(DWORD ms = 300);
// Asks until the condition holds, at most the given time; whether it held.
bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs = 10000);
// Saves what the screen shows of the window as a 24-bit BMP.
bool SaveWindowPicture(HWND window, const std::wstring& path);
// The folder of the program under test, and the names of the files in a folder.
std::wstring ProgramFolder();
std::vector<std::wstring> FilesIn(const std::wstring& folder);
// Where pictures go (BRISKO_SCREENSHOTS), or empty.
std::wstring PictureFolder();

}  // namespace brisko::ui::driver
