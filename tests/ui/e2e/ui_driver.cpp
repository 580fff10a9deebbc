#include "ui_driver.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "ui/control_ids.h"

namespace brisko::ui::driver {

namespace {
std::wstring Environment(const wchar_t* name) {
    wchar_t buf[1024];
    const DWORD n = GetEnvironmentVariableW(name, buf, 1024);
    return n && n < 1024 ? std::wstring(buf, n) : std::wstring();
}

std::wstring LaunchLog() { return ProgramFolder() + L"\\launches.log"; }

bool StartProgram(PROCESS_INFORMATION& process) {
    std::wstring command = L"\"" + Environment(L"BRISKO_EXE") + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    return CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process);
}

// Waits for a visible top-level window of the process, of the class (any
// where none is given), that matches; nullptr on timeout.
HWND WaitForOwned(DWORD processId, const wchar_t* className, const std::function<bool(HWND)>& matches,
                  DWORD timeoutMs) {
    HWND found = nullptr;
    WaitFor(
        [&] {
            for (HWND w : WindowsOfClass(className)) {
                DWORD owner = 0;
                GetWindowThreadProcessId(w, &owner);
                if (owner == processId && IsWindowVisible(w) && matches(w)) return (found = w) != nullptr;
            }
            return false;
        },
        timeoutMs);
    return found;
}
}  // namespace

void Settle(DWORD ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

RunningBrisko::RunningBrisko(Launches launches) {
    DeleteFileW(PreferencesPath().c_str());
    DeleteFileW(LaunchLog().c_str());
    SetEnvironmentVariableW(L"BRISKO_LAUNCH_LOG", launches == Launches::Record ? LaunchLog().c_str() : nullptr);
    const bool started = StartProgram(process_);
    SetEnvironmentVariableW(L"BRISKO_LAUNCH_LOG", nullptr);
    if (!started) return;
    main_ = WaitForWindow(process_.dwProcessId, L"TFrmMain", 20000);
    Settle(200);
}

RunningBrisko::~RunningBrisko() { Close(); }

std::vector<std::string> RecordedLaunches() {
    std::vector<std::string> lines;
    std::ifstream log(std::filesystem::path(LaunchLog()), std::ios::binary);
    // Whole lines only: the last one may be still being written.
    for (std::string line; std::getline(log, line) && !log.eof();) lines.push_back(line.substr(0, line.find('\r')));
    return lines;
}

void Press(HWND window, int id) {
    DWORD_PTR unused = 0;
    SendMessageTimeoutW(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(window, id)),
                        SMTO_ABORTIFHUNG, 10000, &unused);
}

void PressOpeningABox(HWND window, int id) {
    PostMessageW(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(window, id)));
}

std::wstring RunningBrisko::ClickAndConfirm(int id) const {
    PressOpeningABox(main_, id);
    HWND question = WaitForDialog(ProcessId(), L"確認");
    if (!question) return L"";
    Answer(question, IDYES);
    HWND done = WaitForDialog(ProcessId(), L"情報");
    if (!done) return L"";
    const std::wstring said = BoxText(done);
    Answer(done, IDOK);
    return said;
}

HWND RunningBrisko::Focus() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(main_, nullptr), &info)) return nullptr;
    return info.hwndFocus;
}

void PressKeyAt(HWND control, UINT virtualKey, DWORD settleMs) {
    const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyW(virtualKey, 0)) << 16;
    PostMessageW(control, WM_KEYDOWN, virtualKey, 1 | scan);
    PostMessageW(control, WM_KEYUP, virtualKey, 1 | scan | (3u << 30));
    if (settleMs) Settle(settleMs);
}

void RunningBrisko::PressKey(UINT virtualKey, DWORD settleMs) const {
    HWND target = Focus();
    PressKeyAt(target ? target : main_, virtualKey, settleMs);
}

bool RunningBrisko::Tab() const {
    const HWND before = Focus();
    PressKey(VK_TAB);
    return WaitFor([&] { return Focus() != before; }, 3000);
}

void RunningBrisko::ClickCheckBox(int page, int index) const {
    HWND list = Control(kListFirst + page);
    RECT r{};
    SendMessageW(list, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r));
    MouseClick(list, r.left + 6, (r.top + r.bottom) / 2);
    Settle(200);
}

bool RunningBrisko::Ticked(int page, int index) const {
    return SendMessageW(Control(kListFirst + page), LB_GETITEMDATA, index, 0) & 1;
}

HWND RunningBrisko::OpenRestoreWindow() const {
    PressOpeningABox(main_, kBtnRestore);
    HWND window = WaitForWindow(ProcessId(), L"TFrmRestore");
    Settle(500);
    return window;
}

HWND RunningBrisko::OpenPerformanceMode(bool* processorMissing) const {
    PressOpeningABox(main_, kBtnPerformance);
    HWND compact = WaitForWindow(ProcessId(), L"TFrmCompact");
    HWND box = WaitForWindow(ProcessId(), L"#32770", 1500);  // a message box
    if (box) Answer(box, IDOK);
    if (processorMissing) *processorMissing = box != nullptr;
    return compact;
}

void MouseClick(HWND control, int x, int y) {
    RECT r{};
    GetClientRect(control, &r);
    const LPARAM at = MAKELPARAM(x < 0 ? r.right / 2 : x, y < 0 ? r.bottom / 2 : y);
    DWORD_PTR unused = 0;
    SendMessageTimeoutW(control, WM_LBUTTONDOWN, MK_LBUTTON, at, SMTO_ABORTIFHUNG, 10000, &unused);
    SendMessageTimeoutW(control, WM_LBUTTONUP, 0, at, SMTO_ABORTIFHUNG, 10000, &unused);
}

bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs) {
    for (DWORD waited = 0;; waited += 50) {
        if (condition()) return true;
        if (waited >= timeoutMs) return false;
        Settle(50);
    }
}

void RunningBrisko::Close() {
    if (!process_.hProcess) return;
    if (main_) PostMessageW(main_, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process_.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(process_.hProcess, 1);
    CloseHandle(process_.hProcess);
    CloseHandle(process_.hThread);
    process_ = {};
    main_ = nullptr;
}

DWORD RunSecondCopy(DWORD timeoutMs) {
    PROCESS_INFORMATION process{};
    if (!StartProgram(process)) return 0xFFFFFFFF;
    DWORD code = 0xFFFFFFFE;
    if (WaitForSingleObject(process.hProcess, timeoutMs) == WAIT_OBJECT_0) GetExitCodeProcess(process.hProcess, &code);
    else TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return code;
}

std::vector<HWND> WindowsOfClass(const wchar_t* className) {
    std::vector<HWND> found;
    for (HWND w = FindWindowExW(nullptr, nullptr, className, nullptr); w; w = FindWindowExW(nullptr, w, className, nullptr))
        found.push_back(w);
    return found;
}

HWND WaitForWindow(DWORD processId, const wchar_t* className, DWORD timeoutMs) {
    return WaitForOwned(processId, className, [](HWND) { return true; }, timeoutMs);
}

HWND WaitForDialog(DWORD processId, const std::wstring& caption, DWORD timeoutMs) {
    return WaitForOwned(processId, nullptr, [&](HWND w) { return TextOf(w) == caption; }, timeoutMs);
}

std::wstring TextOf(HWND window) {
    // WM_GETTEXT itself: GetWindowText does not ask another process's controls.
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length)) return {};
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG, 5000,
                        &copied);
    text.resize(copied);
    return text;
}

std::wstring BoxText(HWND box) { return TextOf(GetDlgItem(box, 0xFFFF)); }

void Answer(HWND box, int button) {
    PressOpeningABox(box, button);
    for (int i = 0; i < 50 && IsWindow(box); ++i) Settle(100);
}

std::wstring AnswerBoxesUntil(DWORD processId, const std::wstring& awaited, const std::function<void(HWND)>& seen) {
    std::wstring said;
    for (int i = 0; i < 150 && said.find(awaited) == std::wstring::npos; ++i) {
        HWND box = WaitForWindow(processId, L"#32770", 400);
        if (!box) continue;
        said = BoxText(box);
        if (seen) seen(box);
        Answer(box, TextOf(box) == L"確認" ? IDNO : IDOK);
    }
    return said;
}

std::wstring ListLine(HWND list, int index) {
    wchar_t text[512] = L"";
    if (Ask(list, LB_GETTEXTLEN, index) < 511) Ask(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text));
    return text;
}

LRESULT Ask(HWND window, UINT message, WPARAM w, LPARAM l) {
    DWORD_PTR result = 0;
    SendMessageTimeoutW(window, message, w, l, SMTO_ABORTIFHUNG, 5000, &result);
    return static_cast<LRESULT>(result);
}

std::wstring ProgramFolder() {
    const std::wstring exe = Environment(L"BRISKO_EXE");
    return exe.substr(0, exe.find_last_of(L'\\'));
}

std::wstring PreferencesPath() { return ProgramFolder() + L"\\brisko.ini"; }

std::vector<std::wstring> Backups() {
    std::vector<std::wstring> names;
    std::error_code none;
    for (const auto& file : std::filesystem::directory_iterator(ProgramFolder() + L"\\backups", none))
        if (file.path().extension() == L".ini") names.push_back(file.path().filename().wstring());  // not the logs
    return names;
}

bool Is9x() { return (GetVersion() & 0x80000000) != 0; }

void Picture(HWND window, const std::wstring& name, DWORD settleMs) {
    const std::wstring folder = Environment(L"BRISKO_SCREENSHOTS");
    RECT r;
    Settle(settleMs);
    if (folder.empty() || !GetWindowRect(window, &r)) return;
    // What the last click changed is painted before the picture is taken.
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    Sleep(200);
    const LONG w = r.right - r.left, h = r.bottom - r.top;
    const DWORD imageBytes = ((w * 3 + 3) / 4) * 4 * h, headers = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), w, h, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    const BITMAPFILEHEADER file{0x4D42, headers + imageBytes, 0, 0, headers};
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
    SelectObject(memory, old);
    std::ofstream out(std::filesystem::path(folder + L"\\" + name + L".bmp"), std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&info.bmiHeader), sizeof info.bmiHeader);
    out.write(static_cast<const char*>(bits), imageBytes);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

std::optional<RawValue> ReadRaw(HKEY root, const wchar_t* key, const wchar_t* name) {
    HKEY h;
    if (RegOpenKeyExW(root, key, 0, KEY_QUERY_VALUE, &h) != ERROR_SUCCESS) return std::nullopt;
    DWORD type = 0, size = 0;
    std::optional<RawValue> value;
    if (RegQueryValueExW(h, name, nullptr, &type, nullptr, &size) == ERROR_SUCCESS) {
        RawValue v{type, std::string(size, '\0')};
        if (RegQueryValueExW(h, name, nullptr, &type, reinterpret_cast<BYTE*>(v.bytes.data()), &size) == ERROR_SUCCESS)
            value = v;
    }
    RegCloseKey(h);
    return value;
}

void PutBack(HKEY root, const wchar_t* key, const wchar_t* name, const std::optional<RawValue>& value) {
    HKEY h;
    if (RegCreateKeyExW(root, key, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &h, nullptr) != ERROR_SUCCESS) return;
    if (value)
        RegSetValueExW(h, name, 0, value->type, reinterpret_cast<const BYTE*>(value->bytes.data()),
                       static_cast<DWORD>(value->bytes.size()));
    else
        RegDeleteValueW(h, name);
    RegCloseKey(h);
}

}  // namespace brisko::ui::driver
