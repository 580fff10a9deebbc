#pragma once
// One page of the options window: a part of the window, whose children its
// controls are, shown while the page is selected. The page reads the
// preferences once when the window is created and stores them when its apply
// button is pressed.
#include <windows.h>

#include <string>
#include <vector>

#include "engine/program_context.h"
#include "ui/options_layout.h"
#include "ui/win32/appearance_target.h"
#include "ui/win32/child_part.h"
#include "ui/win32/description_font.h"
#include "ui/win32/dpi.h"
#include "ui/win32/tooltips.h"
#include "ui/win32/window_chores.h"

namespace brisko::ui {

struct OptionsHost {
    HWND window;
    ProgramContext& ctx;
    AppearanceTarget& main;
    DescriptionFont& descriptionFont;
    const Dpi& dpi;
    HFONT font;
    Tooltips& tips;
    // The window's background, which its labels lie on.
    const Brush& background;
};

class OptionsPage : public ChildPart {
public:
    explicit OptionsPage(OptionsHost& host) : host_(host) {}

    virtual void Create(const OptionsLayout& layout) = 0;
    virtual void Load() {}
    // The button Enter presses; 0 where Enter presses none.
    virtual int DefaultButton() const { return 0; }
    bool Owns(HWND control) const override;
    void Show(bool visible) override;

protected:
    HWND Add(const wchar_t* cls, const std::wstring& text, DWORD style, int id, const Rect& r, DWORD exStyle = 0);
    HWND AddGroup(const std::wstring& text, const Rect& r) { return Add(L"BUTTON", text, BS_GROUPBOX, -1, r); }
    HWND AddLabel(const std::wstring& text, const Rect& r) { return Add(L"STATIC", text, SS_LEFT, -1, r); }
    HWND AddCheck(const std::wstring& text, int id, const Rect& r) {
        return Add(L"BUTTON", text, BS_AUTOCHECKBOX | WS_TABSTOP, id, r);
    }
    HWND AddButton(const std::wstring& text, int id, const Rect& r) {
        return Add(L"BUTTON", text, BS_PUSHBUTTON | WS_TABSTOP, id, r);
    }
    // A push button the window draws with a picture beside its text.
    HWND AddPictureButton(const std::wstring& text, int id, const Rect& r) {
        return Add(L"BUTTON", text, BS_OWNERDRAW | WS_TABSTOP, id, r);
    }
    HWND Item(int id) const { return GetDlgItem(host_.window, id); }
    bool Checked(int id) const { return SendMessageW(Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    void SetChecked(int id, bool on) const { SendMessageW(Item(id), BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0); }
    std::string TextOf(int id) const { return WindowText(Item(id)); }

    OptionsHost& host_;
    std::vector<HWND> controls_;
};

}  // namespace brisko::ui
