#include "ui/win32/message_box_prompts.h"

#include <string>

#include "platform/win32/wide.h"
#include "ui/win32/change_preview_window.h"

namespace brisko::ui {

namespace {

// Renames the Yes and No buttons of the box about to show.
LRESULT CALLBACK RenameButtons(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE) {
        HWND box = reinterpret_cast<HWND>(wParam);
        if (GetDlgItem(box, IDYES)) SetDlgItemTextW(box, IDYES, L"はい(&Y)");
        if (GetDlgItem(box, IDNO)) SetDlgItemTextW(box, IDNO, L"いいえ(&N)");
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
}  // namespace

int MessageBoxPrompts::Show(const std::string& text, PromptKind kind, UINT style) {
    const std::wstring caption = win32::Widen(std::string(PromptCaption(kind)));
    HHOOK hook = SetWindowsHookExW(WH_CBT, RenameButtons, nullptr, GetCurrentThreadId());
    const int answer = MessageBoxW(owner_, win32::Widen(text).c_str(), caption.c_str(), style | MB_TASKMODAL);
    if (hook) UnhookWindowsHookEx(hook);
    return answer;
}

bool MessageBoxPrompts::Confirm(const std::string& text) {
    return Show(text, PromptKind::Confirm, MB_YESNO | MB_ICONQUESTION) == IDYES;
}
bool MessageBoxPrompts::ConfirmChanges(const std::string& question, const std::vector<ChangeLine>& changes) {
    return changes.empty() ? Confirm(question) : ConfirmChangesWindow(owner_, question, changes);
}
void MessageBoxPrompts::Inform(const std::string& text) { Show(text, PromptKind::Inform, MB_OK | MB_ICONINFORMATION); }
void MessageBoxPrompts::Warn(const std::string& text) { Show(text, PromptKind::Warn, MB_OK | MB_ICONWARNING); }
void MessageBoxPrompts::Error(const std::string& text) { Show(text, PromptKind::Error, MB_OK | MB_ICONERROR); }

}  // namespace brisko::ui
