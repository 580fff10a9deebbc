#include "ui/win32/utility_page.h"

#include <algorithm>
#include <vector>

#include "platform/win32/message_pump.h"
#include "platform/win32/wide.h"
#include "ui/control_ids.h"
#include "ui/utility_commands.h"
#include "ui/utility_layout.h"
#include "ui/win32/window_chores.h"
#include "ui/win32/fitted_line.h"

namespace brisko::ui {

namespace {

struct ButtonSpec {
    const char* bitmap;
    const wchar_t* caption;
    const wchar_t* hint;
    bool reducedOnFewColours;
};
const ButtonSpec kButtons[kUtilityButtonCount] = {
    {"MPCImage", L"①", L"Windows Media Player 6.4", false},
    {"ConfImage", L"②", L"NetMeeting", true},
    {"MSConfigImage", L"③", L"システム構成ユーティリティ", false},
    {"IPConfigImage", L"④", L"IPアドレス", false},
    {"GpeditImage", L"⑤", L"グループポリシーエディタ", false},
    {"RegeditImage", L"⑥", L"レジストリエディタ", false},
    {"DiskMgmtImage", L"⑦", L"ディスクの管理", false},
    {"FormatImage", L"⑧", L"フォーマット", true},
    {"DefragImage", L"⑨", L"デフラグ", true},
    {"ConvertImage", L"⑩", L"NTFS変換", true},
};
const char* const kDriveListNames[] = {"LstHDDefrag", "LstHDConvert"};
const int kDriveLists[] = {kLstHDDefrag, kLstHDConvert};

}  // namespace

UtilityPage::UtilityPage(ProgramContext& ctx, HWND parent, HWND list, const Dpi& dpi, HFONT font, BitmapCache& bitmaps)
    : ctx_(ctx), parent_(parent), list_(list), dpi_(dpi), white_(CreateSolidBrush(RGB(255, 255, 255))) {
    tips_ = std::make_unique<Tooltips>(parent);
    std::vector<HWND> made;
    for (int i = 0; i < kUtilityButtonCount; ++i) {
        HWND button = CreateGlyphButton(parent, kUtilityButtonFirst + i, {0, 0, 0, 0});
        ShowWindow(button, SW_HIDE);
        SetWindowTextW(button, kButtons[i].hint);  // what screen readers and automation read
        tips_->Add(button, kButtons[i].hint);
        HBITMAP glyph = kButtons[i].reducedOnFewColours ? bitmaps.ForScreen(kButtons[i].bitmap) : bitmaps.Get(kButtons[i].bitmap);
        looks_[i] = {glyph, kButtons[i].caption, font, false, false};
        made.push_back(button);
    }
    made.push_back(MakeChild(parent, L"BUTTON", L"クイック", WS_TABSTOP | BS_AUTOCHECKBOX, kChcQuickFormat, font));
    for (int id : kDriveLists) {
        // A sunken edge of two pixels leaves room for exactly one 14-pixel entry.
        HWND drives = MakeChild(parent, L"LISTBOX", L"", WS_TABSTOP | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, id, font,
                                  WS_EX_CLIENTEDGE);
        SendMessageW(drives, LB_SETITEMHEIGHT, 0, dpi_(14));
        made.push_back(drives);
    }
    // Just above the list in the stacking order, so they are drawn over it
    // and the Tab key reaches them before the list; the list leaves them be.
    HWND after = GetWindow(list, GW_HWNDPREV);
    for (HWND control : made) {
        SetWindowPos(control, after ? after : HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        after = control;
    }
    SetWindowLongPtrW(list, GWL_STYLE, GetWindowLongPtrW(list, GWL_STYLE) | WS_CLIPSIBLINGS);
}

void UtilityPage::FillDriveLists(const std::string& letters) {
    for (int id : kDriveLists) {
        HWND drives = Control(id);
        SendMessageW(drives, LB_RESETCONTENT, 0, 0);
        for (char letter : letters)
            SendMessageW(drives, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(win32::Widen(DriveListEntry(letter)).c_str()));
    }
}

void UtilityPage::ApplyControlStates(const ControlStates& controls) {
    for (int i = 0; i < kUtilityButtonCount; ++i) {
        // A button whose program this machine has not got says so in its hint.
        const std::string missing = UtilityUnavailableReason(ctx_, static_cast<UtilityButton>(i));
        HWND button = Control(kUtilityButtonFirst + i);
        EnableWindow(button, controls.IsEnabled(kUtilityButtons[i]) && missing.empty());
        const std::wstring hint = kButtons[i].hint + (missing.empty() ? L"" : L"\r\n" + win32::Widen(missing));
        SetWindowTextW(button, hint.c_str());
        tips_->SetText(button, hint);
    }
    for (int i = 0; i < 2; ++i) {
        EnableWindow(Control(kDriveLists[i]), controls.IsEnabled(kDriveListNames[i]));
        InvalidateRect(Control(kDriveLists[i]), nullptr, TRUE);
    }
}

void UtilityPage::Place(const Rect& page) {
    const UtilityLayout l = LayOutUtilityPage(page);
    auto place = [&](int id, const Rect& r) { ::brisko::ui::Place(Control(id), dpi_.Of(r)); };
    for (int i = 0; i < kUtilityButtonCount; ++i) place(kUtilityButtonFirst + i, l.buttons[i]);
    place(kChcQuickFormat, l.quickFormat);
    place(kLstHDDefrag, l.defragDrives);
    place(kLstHDConvert, l.convertDrives);
}

void UtilityPage::Show(bool visible) {
    ShowWindow(list_, visible ? SW_SHOW : SW_HIDE);
    for (int id = kUtilityButtonFirst; id < kUtilityButtonFirst + kUtilityButtonCount; ++id)
        ShowWindow(Control(id), visible ? SW_SHOW : SW_HIDE);
    for (int id : {static_cast<int>(kChcQuickFormat), static_cast<int>(kLstHDDefrag), static_cast<int>(kLstHDConvert)})
        ShowWindow(Control(id), visible ? SW_SHOW : SW_HIDE);
}

bool UtilityPage::Owns(HWND control) const {
    if (control == list_) return true;
    const int id = GetDlgCtrlID(control);
    return GetParent(control) == parent_ &&
           ((id >= kUtilityButtonFirst && id < kUtilityButtonFirst + kUtilityButtonCount) || id == kChcQuickFormat ||
            id == kLstHDDefrag || id == kLstHDConvert);
}

bool UtilityPage::OnCommand(int id, int code) {
    if (id == GetDlgCtrlID(list_)) return false;
    // A disabled button starts nothing, however the click arrived.
    if (id >= kUtilityButtonFirst && id < kUtilityButtonFirst + kUtilityButtonCount && code == BN_CLICKED &&
        IsWindowEnabled(Control(id)))
        ButtonClick(id - kUtilityButtonFirst);
    return true;
}

void UtilityPage::ButtonClick(int index) {
    // A click that arrives while a conversion waits is not started on top of it.
    if (busy_) return;
    busy_ = true;
    const UtilityChoices choices{SendMessageW(Control(kChcQuickFormat), BM_GETCHECK, 0, 0) == BST_CHECKED,
                                 SelectedListLine(Control(kLstHDDefrag)), SelectedListLine(Control(kLstHDConvert))};
    UtilityButtonClick(ctx_, static_cast<UtilityButton>(index), choices, [this] { return KeepAlive(); });
    busy_ = false;
    if (quitSeen_) PostQuitMessage(quitCode_);
}

bool UtilityPage::KeepAlive() {
    if (!quitSeen_ && !win32::PumpWaitingMessages(quitCode_)) quitSeen_ = true;
    return !quitSeen_;
}

bool UtilityPage::OnDrawItem(const DRAWITEMSTRUCT& item) {
    if (item.hwndItem == list_) {
        DrawListLine(item);
        return true;
    }
    const int index = static_cast<int>(item.CtlID) - kUtilityButtonFirst;
    if (index < 0 || index >= kUtilityButtonCount) return false;
    DrawGlyphButton(item, looks_[index], RGB(255, 255, 255));
    return true;
}

void UtilityPage::DrawListLine(const DRAWITEMSTRUCT& item) const {
    if (item.itemID == static_cast<UINT>(-1)) return;
    const RECT& r = item.rcItem;
    const bool selected = item.itemState & ODS_SELECTED;
    HBRUSH background = GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW);
    FillRect(item.hDC, &r, background);
    const std::wstring label = ListLine(list_, static_cast<int>(item.itemID));
    if (label.empty()) return;
    // The line ends where a control standing over it begins.
    RECT text = {r.left + dpi_(2), r.top, r.right - dpi_(2), r.bottom};
    for (int id : {kChcQuickFormat, kLstHDDefrag, kLstHDConvert}) {
        RECT over;
        if (!GetWindowRect(Control(id), &over)) continue;
        MapWindowPoints(nullptr, list_, reinterpret_cast<POINT*>(&over), 2);
        if (over.top < r.bottom && over.bottom > r.top && over.left > text.left)
            text.right = std::min<LONG>(text.right, over.left - dpi_(2));
    }
    SetTextColor(item.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    DrawFittedLine(item.hDC, label, text, background);
    if (item.itemState & ODS_FOCUS) DrawFocusRect(item.hDC, &r);
}

HBRUSH UtilityPage::OnCtlColor(HWND control, HDC dc) {
    const int id = GetDlgCtrlID(control);
    if (id == kChcQuickFormat) {
        SetBkColor(dc, RGB(255, 255, 255));
        return white_.Get();
    }
    if ((id == kLstHDDefrag || id == kLstHDConvert) && !IsWindowEnabled(control)) {
        // A drive list that cannot be used is greyed like an inactive border.
        SetBkColor(dc, GetSysColor(COLOR_INACTIVEBORDER));
        return GetSysColorBrush(COLOR_INACTIVEBORDER);
    }
    return nullptr;
}

}  // namespace brisko::ui
