#include "ui/win32/check_list.h"

#include <commctrl.h>
#include <windowsx.h>

#include "platform/win32/wide.h"
#include "ui/win32/fitted_line.h"
#include "ui/win32/scoped_gdi.h"
#include "ui/win32/window_chores.h"

namespace brisko::ui {

namespace {
constexpr int kLineHeight = 18;
constexpr wchar_t kSelfProperty[] = L"Brisko.CheckList";
}

CheckList::CheckList(HWND parent, int id, const Dpi& dpi, HFONT font)
    : list_(MakeChild(parent, L"LISTBOX", L"",
                      WS_VSCROLL | WS_TABSTOP | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOTIFY |
                          LBS_NOINTEGRALHEIGHT | LBS_WANTKEYBOARDINPUT,
                      id, font)),
      dpi_(dpi),
      font_(font) {
    SendMessageW(list_, LB_SETITEMHEIGHT, 0, dpi_(kLineHeight));
    listProc_ = Subclass(list_, kSelfProperty, this, &CheckList::ListProc);
}

void CheckList::Refresh() {
    if (!entries_) return;
    const int shown = static_cast<int>(SendMessageW(list_, LB_GETCOUNT, 0, 0));
    const bool sameLines = shown == static_cast<int>(entries_->size());
    if (!sameLines) {
        SendMessageW(list_, LB_RESETCONTENT, 0, 0);
        const WindowDc dc(list_);
        const Selection measured(dc, font_);
        int widest = 0;
        for (const ItemEntry& entry : *entries_) {
            const std::wstring label = win32::Widen(entry.label);
            SendMessageW(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(label.c_str()));
            SIZE size{};
            GetTextExtentPoint32W(dc, label.c_str(), static_cast<int>(label.size()), &size);
            widest = std::max<int>(widest, size.cx);
        }
        SendMessageW(list_, LB_SETHORIZONTALEXTENT, widest + CheckBoxWidth() + dpi_(12), 0);
    }
    for (size_t i = 0; i < entries_->size(); ++i) {
        const ItemEntry& e = (*entries_)[i];
        SendMessageW(list_, LB_SETITEMDATA, i, (e.ticked ? kTickedBit : 0) | (e.enabled ? kAvailableBit : 0));
    }
    InvalidateRect(list_, nullptr, TRUE);
}

bool CheckList::OnMeasureItem(MEASUREITEMSTRUCT& item) {
    item.itemHeight = dpi_(kLineHeight);
    return true;
}

bool CheckList::OnDrawItem(const DRAWITEMSTRUCT& item) {
    if (!entries_ || item.itemID == static_cast<UINT>(-1) || item.itemID >= entries_->size()) return true;
    const ItemEntry& entry = (*entries_)[item.itemID];
    HDC dc = item.hDC;
    RECT r = item.rcItem;
    const bool selected = item.itemState & ODS_SELECTED;
    FillRect(dc, &r, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    RECT box = {r.left + dpi_(1), r.top + (r.bottom - r.top - dpi_(13)) / 2, 0, 0};
    box.right = box.left + dpi_(13);
    box.bottom = box.top + dpi_(13);
    UINT state = DFCS_BUTTONCHECK | DFCS_FLAT;
    if (entry.ticked) state |= DFCS_CHECKED;
    if (!entry.enabled) state |= DFCS_INACTIVE;
    DrawFrameControl(dc, &box, DFC_BUTTON, state);
    RECT text = {box.right + dpi_(3), r.top, r.right, r.bottom};
    SetTextColor(dc, GetSysColor(!entry.enabled ? COLOR_GRAYTEXT : selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    text.right -= dpi_(2);
    DrawFittedLine(dc, win32::Widen(entry.label), text, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    if (item.itemState & ODS_FOCUS) DrawFocusRect(dc, &r);
    return true;
}

void CheckList::Toggle(int index) {
    if (!entries_ || index < 0 || index >= static_cast<int>(entries_->size())) return;
    ItemEntry& entry = (*entries_)[index];
    if (!entry.enabled) return;  // unavailable: not by mouse, not by keyboard
    entry.ticked = !entry.ticked;
    SendMessageW(list_, LB_SETITEMDATA, index, (entry.ticked ? kTickedBit : 0) | kAvailableBit);
    RECT r;
    SendMessageW(list_, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r));
    InvalidateRect(list_, &r, TRUE);
}

LRESULT CALLBACK CheckList::ListProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = static_cast<CheckList*>(GetPropW(hwnd, kSelfProperty));
    if (message == WM_NCDESTROY) {
        Unsubclass(hwnd, kSelfProperty, self->listProc_);
        return CallWindowProcW(self->listProc_, hwnd, message, wParam, lParam);
    }
    if (message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK) {
        const LRESULT hit = SendMessageW(hwnd, LB_ITEMFROMPOINT, 0, lParam);
        const int index = LOWORD(hit);
        if (!HIWORD(hit) && GET_X_LPARAM(lParam) < self->dpi_(1) + self->CheckBoxWidth()) self->Toggle(index);
    } else if (message == WM_KEYDOWN && wParam == VK_SPACE) {
        self->Toggle(static_cast<int>(SendMessageW(hwnd, LB_GETCURSEL, 0, 0)));
        return 0;
    } else if (message == WM_CHAR && wParam == L' ') {
        return 0;
    }
    return CallWindowProcW(self->listProc_, hwnd, message, wParam, lParam);
}

}  // namespace brisko::ui
