#include "ui/win32/change_preview_window.h"

#include <algorithm>

#include "platform/win32/wide.h"
#include "ui/change_preview_layout.h"
#include "ui/control_ids.h"
#include "ui/win32/dpi.h"
#include "ui/win32/scoped_gdi.h"
#include "ui/win32/window.h"
#include "ui/win32/window_chores.h"

namespace brisko::ui {

namespace {
const wchar_t* const kClassName = L"TFrmChanges";
constexpr int kQuestionId = 0xFFFF;  // the text's id in a message box, where tools look for it

class ChangePreviewWindow final : public Window {
public:
    ChangePreviewWindow(const std::string& question, const std::vector<ChangeLine>& changes)
        : question_(question), changes_(changes), dpi_(Dpi::OfScreen()) {}

    bool Ask(HWND owner) {
        RegisterWindowClass(kClassName, LoadIconW(GetModuleHandleW(nullptr), L"MAINICON"));
        const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
        const DWORD exStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
        RECT bounds = {0, 0, dpi_(kPreviewClientWidth), dpi_(kPreviewClientHeight)};
        AdjustWindowRectEx(&bounds, style, FALSE, exStyle);
        if (!CreateWindowOf(kClassName, win32::Widen(std::string(PromptCaption(PromptKind::Confirm))), style, exStyle,
                            {0, 0, bounds.right - bounds.left, bounds.bottom - bounds.top}, owner))
            return false;
        CentreOver(Handle(), owner, true);
        RunModal(Handle(), owner, GetDlgItem(Handle(), IDYES), [this] { return open_; });
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
            case WM_CLOSE:
                Answer(false);
                return 0;
        }
        return Window::OnMessage(message, wParam, lParam);
    }

    void OnCommand(int id, int /*code*/) override {
        switch (id) {
            case IDYES: return Answer(true);
            case IDOK: return Answer(GetFocus() != GetDlgItem(Handle(), IDNO));  // Enter
            case IDNO:
            case IDCANCEL: return Answer(false);  // Esc too
        }
    }

private:
    void Answer(bool yes) {
        yes_ = yes;
        open_ = false;
    }

    void Create() {
        font_ = MakeFont(dpi_, 12);
        const int questionLines = 1 + static_cast<int>(std::count(question_.begin(), question_.end(), '\n'));
        const ChangePreviewLayout l = LayOutChangePreview(questionLines);
        size_t items = 0;
        for (size_t i = 0; i < changes_.size(); ++i) items += i == 0 || changes_[i - 1].item != changes_[i].item;
        const std::wstring heading = win32::Widen("次の設定を変更します（" + std::to_string(items) + " 項目）：");
        Place(MakeChild(Handle(), L"STATIC", heading.c_str(), WS_VISIBLE | SS_LEFT | SS_NOPREFIX, kLblChanges, font_.Get()),
              dpi_.Of(l.heading));
        // Read-only text that wraps, so no label or key is cut short, and scrolls when long.
        HWND list = MakeChild(Handle(), L"EDIT", win32::Widen(ChangeListText(changes_)).c_str(),
                              WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_READONLY, kLstChanges, font_.Get(),
                              WS_EX_CLIENTEDGE);
        Place(list, dpi_.Of(l.list));
        SendMessageW(list, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(dpi_(3), dpi_(3)));
        Place(MakeChild(Handle(), L"STATIC", win32::Widen(question_).c_str(), WS_VISIBLE | SS_LEFT | SS_NOPREFIX,
                        kQuestionId, font_.Get()),
              dpi_.Of(l.question));
        Place(MakeChild(Handle(), L"BUTTON", L"はい(&Y)", WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, IDYES, font_.Get()),
              dpi_.Of(l.yes));
        Place(MakeChild(Handle(), L"BUTTON", L"いいえ(&N)", WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, IDNO, font_.Get()),
              dpi_.Of(l.no));
    }

    std::string question_;
    const std::vector<ChangeLine>& changes_;
    Dpi dpi_;
    Font font_;
    bool open_ = true, yes_ = false;
};
}  // namespace

bool ConfirmChangesWindow(HWND owner, const std::string& question, const std::vector<ChangeLine>& changes) {
    ChangePreviewWindow window(question, changes);
    return window.Ask(owner);
}

}  // namespace brisko::ui
