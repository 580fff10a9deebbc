#include "ui/win32/change_preview_window.h"

#include <algorithm>

#include "platform/win32/wide.h"
#include "ui/change_preview_layout.h"
#include "ui/control_ids.h"
#include "ui/win32/child_controls.h"
#include "ui/win32/dpi.h"
#include "ui/win32/window.h"

namespace brisko::ui {

namespace {
const wchar_t* const kClassName = L"TFrmChanges";
constexpr int kQuestionId = 0xFFFF;  // the text's id in a message box, where tools look for it

class ChangePreviewWindow final : public Window {
public:
    ChangePreviewWindow(const std::string& question, const std::vector<ChangeLine>& changes)
        : question_(question), changes_(changes), dpi_(Dpi::OfScreen()) {}
    ~ChangePreviewWindow() override {
        if (font_) DeleteObject(font_);
    }

    bool Ask(HWND owner) {
        RegisterWindowClass(kClassName, LoadIconW(GetModuleHandleW(nullptr), L"MAINICON"));
        const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
        const DWORD exStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
        RECT bounds = {0, 0, dpi_(kPreviewClientWidth), dpi_(kPreviewClientHeight)};
        AdjustWindowRectEx(&bounds, style, FALSE, exStyle);
        const int w = bounds.right - bounds.left, h = bounds.bottom - bounds.top;
        // Centred on the owner, or on the screen without one.
        RECT around = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
        if (owner) GetWindowRect(owner, &around);
        const int left = std::max<int>(0, (around.left + around.right - w) / 2);
        const int top = std::max<int>(0, (around.top + around.bottom - h) / 2);
        CreateWindowOf(kClassName, win32::Widen(std::string(PromptCaption(PromptKind::Confirm))), style, exStyle,
                       {left, top, left + w, top + h}, owner);
        if (!Handle()) return false;
        if (owner) EnableWindow(owner, FALSE);
        ShowWindow(Handle(), SW_SHOW);
        SetForegroundWindow(Handle());
        SetFocus(GetDlgItem(Handle(), IDYES));
        RunModalLoop(Handle(), [this] { return open_; });
        // The owner takes input again before this window goes, so it is the one activated.
        if (owner) EnableWindow(owner, TRUE);
        ShowWindow(Handle(), SW_HIDE);
        return yes_;
    }

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        switch (message) {
            case WM_CREATE:
                Create();
                return 0;
            case DM_GETDEFID:
                return MAKELRESULT(IDYES, DC_HASDEFID);
            case WM_COMMAND:
                switch (LOWORD(wParam)) {
                    case IDYES: Answer(true); break;
                    case IDOK: Answer(GetFocus() != GetDlgItem(Handle(), IDNO)); break;  // Enter
                    case IDNO:
                    case IDCANCEL: Answer(false); break;  // Esc too
                }
                return 0;
            case WM_CLOSE:
                Answer(false);
                return 0;
        }
        return Window::OnMessage(message, wParam, lParam);
    }

private:
    void Answer(bool yes) {
        yes_ = yes;
        open_ = false;
    }

    void Create() {
        font_ = CreateFontW(-dpi_(12), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                            CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"Tahoma");
        const int questionLines = 1 + static_cast<int>(std::count(question_.begin(), question_.end(), '\n'));
        const ChangePreviewLayout l = LayOutChangePreview(questionLines);
        size_t items = 0;
        for (size_t i = 0; i < changes_.size(); ++i) items += i == 0 || changes_[i - 1].item != changes_[i].item;
        const std::wstring heading = win32::Widen("次の設定を変更します（" + std::to_string(items) + " 項目）：");
        Place(MakeChild(Handle(), L"STATIC", heading.c_str(), WS_VISIBLE | SS_LEFT | SS_NOPREFIX, kLblChanges, font_),
              dpi_.Of(l.heading));
        // Read-only text that wraps, so no label or key is cut short, and scrolls when long.
        HWND list = MakeChild(Handle(), L"EDIT", win32::Widen(ChangeListText(changes_)).c_str(),
                              WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_READONLY, kLstChanges, font_,
                              WS_EX_CLIENTEDGE);
        Place(list, dpi_.Of(l.list));
        SendMessageW(list, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(dpi_(3), dpi_(3)));
        Place(MakeChild(Handle(), L"STATIC", win32::Widen(question_).c_str(), WS_VISIBLE | SS_LEFT | SS_NOPREFIX,
                        kQuestionId, font_),
              dpi_.Of(l.question));
        Place(MakeChild(Handle(), L"BUTTON", L"はい(&Y)", WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, IDYES, font_),
              dpi_.Of(l.yes));
        Place(MakeChild(Handle(), L"BUTTON", L"いいえ(&N)", WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, IDNO, font_),
              dpi_.Of(l.no));
    }

    std::string question_;
    const std::vector<ChangeLine>& changes_;
    Dpi dpi_;
    HFONT font_ = nullptr;
    bool open_ = true, yes_ = false;
};
}  // namespace

bool ConfirmChangesWindow(HWND owner, const std::string& question, const std::vector<ChangeLine>& changes) {
    ChangePreviewWindow window(question, changes);
    return window.Ask(owner);
}

}  // namespace brisko::ui
