#pragma once
// Drives a running Brisko through Win32 messages: starts it, finds its main
// window by class, presses buttons by control id, reads what controls show,
// answers message boxes by caption, photographs windows, and reads and puts
// back the registry values the tests let it change.
#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace brisko::ui::driver {

// Whether the program really starts what its buttons start, or only writes
// it down (see RecordedLaunches).
enum class Launches { Run, Record };

class RunningBrisko {
public:
    // Starts the program named by BRISKO_EXE as a first run (no preferences
    // file) and waits up to 20 s for its main window to show.
    explicit RunningBrisko(Launches launches = Launches::Run);
    ~RunningBrisko();
    RunningBrisko(const RunningBrisko&) = delete;
    RunningBrisko& operator=(const RunningBrisko&) = delete;

    HWND Main() const { return main_; }
    HWND Control(int id) const { return GetDlgItem(main_, id); }
    DWORD ProcessId() const { return process_.dwProcessId; }
    // Clicks a button that asks first, answers Yes, then OK to the closing
    // message; that message's text, or "" when none came.
    std::wstring ClickAndConfirm(int id) const;
    // The control of the program that has the keyboard focus, or nullptr.
    HWND Focus() const;
    // Types a key at the focused control, then lets the program handle it for
    // settleMs; by default returns at once (wait with WaitFor).
    void PressKey(UINT virtualKey, DWORD settleMs = 0) const;
    // Presses Tab and waits for the focus to move; whether it moved.
    bool Tab() const;
    // Clicks the check box of a line of a category page, as the mouse would.
    void ClickCheckBox(int page, int index) const;
    bool Ticked(int page, int index) const;
    // Clicks 保存と復元 and waits for the save-and-restore window.
    HWND OpenRestoreWindow() const;
    // Clicks the performance-mode button and waits for the compact window; where
    // the system has no Processor object the program says so in one box, which
    // is answered, and `processorMissing` says whether it came.
    HWND OpenPerformanceMode(bool* processorMissing = nullptr) const;
    void Close();

private:
    PROCESS_INFORMATION process_{};
    HWND main_ = nullptr;
};

// Clicks a button of a window of the program and returns once the program has
// handled the click; or, for a button that opens a modal box, returns at once.
void Press(HWND window, int id);
void PressOpeningABox(HWND window, int id);
// Posts a key (down, then up) to a control, then waits as PressKey does.
void PressKeyAt(HWND control, UINT virtualKey, DWORD settleMs = 0);
// A left click at a point of the control's client area, by default its middle.
void MouseClick(HWND control, int x = -1, int y = -1);
// A visible top-level window of the class owned by the process; nullptr on timeout.
HWND WaitForWindow(DWORD processId, const wchar_t* className, DWORD timeoutMs = 10000);

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
// The prompt text of a message box.
std::wstring BoxText(HWND box);
// Presses a message box's button (IDYES, IDNO, IDOK) and waits for the box to go.
void Answer(HWND box, int button);
// Answers the process's boxes as they come, questions No and the rest OK, each
// shown to `seen` first, until one's text holds `awaited` (at most a minute);
// the last box's text.
std::wstring AnswerBoxesUntil(DWORD processId, const std::wstring& awaited,
                              const std::function<void(HWND box)>& seen = {});
// A line of a list box.
std::wstring ListLine(HWND list, int index);
// Sends a message and returns its answer, waiting at most 5 s.
LRESULT Ask(HWND window, UINT message, WPARAM w = 0, LPARAM l = 0);
// Lets the program's thread handle what was sent to it.
void Settle(DWORD ms = 300);
// Asks until the condition holds, at most the given time; whether it held.
bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs = 10000);
// The folder of the program under test.
std::wstring ProgramFolder();
// Saves what the screen shows of the window as <name>.bmp in BRISKO_SCREENSHOTS,
// if set, once the window has had settleMs to paint what it just showed.
void Picture(HWND window, const std::wstring& name, DWORD settleMs = 0);
// The program's preferences file and the backup files made so far.
std::wstring PreferencesPath();
std::vector<std::wstring> Backups();
bool Is9x();  // whether Wine shows a Windows of the 9x family

struct RawValue {
    DWORD type = 0;
    std::string bytes;
    bool operator==(const RawValue&) const = default;
};

std::optional<RawValue> ReadRaw(HKEY root, const wchar_t* key, const wchar_t* name);
// Writes the value back as it was, or deletes it when it was absent.
void PutBack(HKEY root, const wchar_t* key, const wchar_t* name, const std::optional<RawValue>& value);

// A value put back as it was when the test ends, however it ends.
class KeptValue {
public:
    KeptValue(HKEY root, const wchar_t* key, const wchar_t* name)
        : root_(root), key_(key), name_(name), before_(ReadRaw(root, key, name)) {}
    ~KeptValue() { PutBack(root_, key_, name_, before_); }
    KeptValue(const KeptValue&) = delete;
    KeptValue& operator=(const KeptValue&) = delete;

    // Whether the value is now as it was, type and bytes.
    bool Unchanged() const { return ReadRaw(root_, key_, name_) == before_; }

private:
    HKEY root_;
    const wchar_t* key_;
    const wchar_t* name_;
    std::optional<RawValue> before_;
};

}  // namespace brisko::ui::driver
