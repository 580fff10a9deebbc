#include "ui/win32/pc_info_page.h"

#include "backup/pc_information_change.h"
#include "platform/win32/wide.h"
#include "ui/control_ids.h"
#include "ui/win32/window_chores.h"

namespace brisko::ui {

namespace {
constexpr int kEditableBoxes = 3;
constexpr int kNameLimit = 63;

HWND Child(HWND parent, int id) { return GetDlgItem(parent, id); }
}  // namespace

PcInfoPage::PcInfoPage(HWND parent, HWND list, ProgramContext& ctx, const Dpi& dpi, HFONT font)
    : parent_(parent), list_(list), ctx_(ctx), dpi_(dpi), silver_(CreateSolidBrush(RGB(192, 192, 192))) {
    HWND previous = list;
    auto make = [&](const wchar_t* cls, const wchar_t* text, DWORD style, DWORD exStyle, int id) {
        HWND control = MakeChild(parent, cls, text, WS_TABSTOP | style, id, font, exStyle);
        SetWindowPos(control, previous, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        previous = control;
        return control;
    };
    for (int i = 0; i < static_cast<int>(kPcInformationRows); ++i) {
        HWND box = make(L"EDIT", L"", ES_AUTOHSCROLL | (i < kEditableBoxes ? 0 : ES_READONLY), WS_EX_CLIENTEDGE,
                        kEdtUser + i);
        if (i < kEditableBoxes) SendMessageW(box, EM_LIMITTEXT, kNameLimit, 0);
    }
    make(L"BUTTON", L"変更", BS_PUSHBUTTON, 0, kBtnChange);
    make(L"BUTTON", L"詳細", BS_PUSHBUTTON, 0, kBtnDetail);
}

void PcInfoPage::Place(const Rect& page) {
    const PcInfoLayout l = LayOutPcInfoPage(page);
    auto place = [&](HWND control, const Rect& r) { ::brisko::ui::Place(control, dpi_.Of(r)); };
    place(list_, l.list);
    for (size_t i = 0; i < l.boxes.size(); ++i) place(Child(parent_, kEdtUser + static_cast<int>(i)), l.boxes[i]);
    place(Child(parent_, kBtnChange), l.change);
    place(Child(parent_, kBtnDetail), l.detail);
}

bool PcInfoPage::Owns(HWND control) const {
    const int id = GetDlgCtrlID(control);
    return GetParent(control) == parent_ && id >= kEdtUser && id <= kBtnDetail;
}

void PcInfoPage::Show(bool visible) {
    ShowWindow(list_, visible ? SW_SHOW : SW_HIDE);
    for (int id = kEdtUser; id <= kBtnDetail; ++id) ShowWindow(Child(parent_, id), visible ? SW_SHOW : SW_HIDE);
}

void PcInfoPage::Fill() {
    for (size_t i = 0; i < kPcInformationRows; ++i)
        SetWindowTextW(Child(parent_, kEdtUser + static_cast<int>(i)), win32::Widen(ctx_.pcInformation[i]).c_str());
}

bool PcInfoPage::EditableReadOnly(int box) const { return ctx_.controls.IsReadOnly(kPCInfoBoxes[box]); }

void PcInfoPage::ApplyAvailability() {
    for (int i = 0; i < kEditableBoxes; ++i) {
        HWND box = Child(parent_, kEdtUser + i);
        SendMessageW(box, EM_SETREADONLY, EditableReadOnly(i), 0);
        InvalidateRect(box, nullptr, TRUE);
    }
}

HBRUSH PcInfoPage::OnCtlColor(HWND control, HDC dc) {
    const int box = GetDlgCtrlID(control) - kEdtUser;
    if (box >= static_cast<int>(kPcInformationRows)) return nullptr;
    int colour = COLOR_WINDOW;
    if (box >= kEditableBoxes) colour = COLOR_INACTIVEBORDER;
    else if (EditableReadOnly(box)) {
        SetBkColor(dc, RGB(192, 192, 192));
        return silver_.Get();
    }
    SetBkColor(dc, GetSysColor(colour));
    return GetSysColorBrush(colour);
}

bool PcInfoPage::OnCommand(int id, int /*code*/) {
    if (id == kBtnChange) BtnChangeClick();
    else if (id == kBtnDetail) BtnDetailClick();
    else return false;
    return true;
}

void PcInfoPage::BtnChangeClick() {
    ChangePcInformation(ctx_, {WindowText(Child(parent_, kEdtUser)), WindowText(Child(parent_, kEdtCorp)),
                               WindowText(Child(parent_, kEdtComputer))});
}

void PcInfoPage::BtnDetailClick() { ctx_.platform.processes.ShellOpen("open", "msinfo32", "", ShowMode::Normal); }

}  // namespace brisko::ui
