#include "ui/win32/compact_window.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

#include "platform/win32/wide.h"
#include "prefs/preference_keys.h"
#include "engine/program_preferences.h"
#include "ui/compact_layout.h"
#include "ui/win32/appearance_target.h"
#include "ui/win32/window_chores.h"

namespace brisko::ui {

namespace {
const wchar_t* const kClassName = L"TFrmCompact";
constexpr UINT_PTR kTmrFreq = 1;
constexpr UINT kRefreshMs = 1000;
// Not WS_CLIPCHILDREN: the group boxes leave their inside to the window's
// background.
constexpr DWORD kStyle = WS_POPUP | WS_THICKFRAME | WS_MINIMIZEBOX | WS_SYSMENU;
const wchar_t* const kCompactHint = L"コンパクトモード";
const wchar_t* const kPerformanceHint = L"パフォーマンスモード";
const wchar_t* const kUnsupported = L"未対応";

struct StripButton {
    int id;
    const char* bitmap;
    const wchar_t* hint;
};
const StripButton kStrip[] = {
    {kBtnCompactHelp, "HelpSmallImage", L"ヘルプ"},
    {kBtnCompactVersion, "InfoImage", L"バージョン情報"},
    {kBtnCompactRestore, "RestoreCompactImage", L"元の大きさに戻す"},
    {kBtnCompactPerformance, "PerformanceImage", kPerformanceHint},
    {kBtnCompactTray, "TaskTrayImage", L"タスクトレイに収納"},
    {kBtnCompactMinimum, "MinimizeImage", L"最小化"},
    {kBtnCompactClose, "CloseImage", L"閉じる"},
};
// Glyphs drawn in 16 colours on displays of 256 colours or fewer.
const int kReducedGlyphs[] = {kBtnCompactPerformance, kBtnCompactRestore, kBtnCompactHelp, kBtnCompactVersion};

int Selected(HWND list) { return static_cast<int>(SendMessageW(list, CB_GETCURSEL, 0, 0)); }
}  // namespace

CompactWindow::CompactWindow(ProgramContext& ctx, HWND mainWindow, BitmapCache& bitmaps)
    : ctx_(ctx), main_(mainWindow), dpi_(Dpi::OfScreen()), monitor_(source_, ctx.os), bitmaps_(bitmaps) {}

CompactWindow::~CompactWindow() {
    if (Handle()) KillTimer(Handle(), kTmrFreq);
}

void CompactWindow::Create() {
    RegisterWindowClass(kClassName, LoadIconW(GetModuleHandleW(nullptr), L"MAINICON"));
    CreateWindowOf(kClassName, kApplicationTitle, kStyle, WS_EX_APPWINDOW, {0, 0, 0, 0}, nullptr);
}

void CompactWindow::Open(bool performance) {
    if (!Handle()) Create();
    if (!Handle()) return;
    if (!modeSet_ || performance != performance_) {
        performance_ = performance;
        looks_[kBtnCompactPerformance].down = performance;
        InvalidateRect(Control(kBtnCompactPerformance), nullptr, TRUE);
        BtnPerformanceClick();
        modeSet_ = true;
    }
    if (!placed_) {
        CentreOver(Handle(), main_);  // the first time
        placed_ = true;
    }
    ShowWindow(main_, SW_HIDE);
    ShowWindow(Handle(), SW_SHOW);
    SetForegroundWindow(Handle());
    ReportProcessorError();
}

LRESULT CompactWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            FormCreate();
            return 0;
        case WM_NCHITTEST: {
            // The frame is there for its look: it cannot be used to resize.
            const LRESULT hit = Window::OnMessage(message, wParam, lParam);
            return hit >= HTLEFT && hit <= HTBOTTOMRIGHT ? HTNOWHERE : hit;
        }
        case WM_SHOWWINDOW:
            // FormShow and FormHide.
            if (wParam && performance_) SetSampling(true);
            if (!wParam) SetSampling(false);
            break;
        case WM_TIMER:
            if (wParam == kTmrFreq) UpdateMonitor();
            return 0;
        case WM_ERASEBKGND: {
            RECT r;
            GetClientRect(Handle(), &r);
            FillRect(reinterpret_cast<HDC>(wParam), &r, background_.Get());
            return 1;
        }
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
            return reinterpret_cast<LRESULT>(background_.Get());
        case WM_MEASUREITEM:
            reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight = dpi_(13);
            return TRUE;
        case WM_DRAWITEM:
            DrawItem(*reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        case WM_LBUTTONDOWN:
            FormMouseDown();
            return 0;
        case WM_PARENTNOTIFY:
            // A press on the icon drags the window like one on the background.
            if (LOWORD(wParam) == WM_LBUTTONDOWN) {
                const POINT p = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
                const RECT icon = dpi_.Of(CompactControls().front().bounds);
                if (p.x >= icon.left && p.x < icon.right && p.y >= icon.top && p.y < icon.bottom) FormMouseDown();
            }
            return 0;
        case WM_LBUTTONDBLCLK:
            BtnCompactClick();
            return 0;
        case WM_CLOSE:
            BtnCompactClick();
            return 0;
    }
    return Window::OnMessage(message, wParam, lParam);
}

void CompactWindow::FormCreate() {
    font_ = MakeFont(dpi_, 12);
    CreateControls();
    LoadBitmaps();
    SizeClient(kCompactStripWidth, kCompactStripHeight);
    ShowModeControls();
    // The stored CompactColor, else the standard button face.
    SetColour(PreferencesOf(ctx_).Color(prefkey::kCompactColor).value_or(kButtonFace));
    // The labels are bytes widened as Latin-1: a separator beyond it is
    // shown as the nearest one there.
    wchar_t separator[4] = L"";
    GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, separator, 4);
    const wchar_t s = separator[0];
    separator_ = s < 0x100 ? static_cast<char>(s) : s == 0x2019 ? '\'' : '\xA0';
}

void CompactWindow::SetColour(int32_t colour) {
    colour_ = PaintColour(colour);
    background_.Reset(CreateSolidBrush(colour_));
    RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void CompactWindow::CreateControls() {
    tips_ = std::make_unique<Tooltips>(Handle());
    for (const CompactControl& c : CompactControls()) {
        const RECT r = dpi_.Of(c.bounds);
        const std::wstring text = win32::Widen(std::string(c.text));
        switch (c.kind) {
            case CompactKind::Button:
                if (c.id == kImgCompactIcon) {
                    tips_->Add(MakeChild(Handle(), L"STATIC", kCompactHint, WS_VISIBLE | SS_OWNERDRAW | SS_NOTIFY, c.id,
                                         font_.Get(), 0, r),
                               kCompactHint);
                } else {
                    HWND button = CreateGlyphButton(Handle(), c.id, r);
                    for (const StripButton& s : kStrip)
                        if (s.id == c.id) {
                            tips_->Add(button, s.hint);
                            SetWindowTextW(button, s.hint);
                        }
                    looks_[c.id] = {};
                    SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), FALSE);
                }
                break;
            case CompactKind::Group:
                MakeChild(Handle(), L"BUTTON", text, WS_VISIBLE | BS_GROUPBOX, -1, font_.Get(), 0, r);
                break;
            case CompactKind::Caption:
                MakeChild(Handle(), L"STATIC", text, WS_VISIBLE | SS_LEFT | SS_NOPREFIX, -1, font_.Get(), 0, r);
                break;
            case CompactKind::Value:
                MakeChild(Handle(), L"STATIC", text, WS_VISIBLE | SS_LEFT | SS_NOPREFIX, c.id, font_.Get(), 0, r);
                break;
            case CompactKind::Bar:
                SendMessageW(MakeChild(Handle(), PROGRESS_CLASSW, L"", WS_VISIBLE, c.id, font_.Get(), 0, r),
                             PBM_SETRANGE, 0, MAKELPARAM(0, 100));
                break;
            case CompactKind::ChoiceList:
                MakeList(c.id, false);
                break;
        }
    }
}

void CompactWindow::LoadBitmaps() {
    // The strip's 16-pixel pictures in the size drawn nearest the screen's DPI,
    // some in 16 colours on displays of 256 colours or fewer.
    for (const StripButton& s : kStrip) {
        const std::string picture = dpi_.Picture(s.bitmap, 16);
        const bool reduced = std::find(std::begin(kReducedGlyphs), std::end(kReducedGlyphs), s.id) != std::end(kReducedGlyphs);
        looks_[s.id].glyph = reduced ? bitmaps_.ForScreen(picture) : bitmaps_.Get(picture);
    }
}

void CompactWindow::MakeList(int id, bool unsupported) {
    const auto it = unsupported_.find(id);
    if (it != unsupported_.end() && it->second == unsupported) return;
    unsupported_[id] = unsupported;
    RECT r{};
    for (const CompactControl& c : CompactControls())
        if (c.id == id) r = dpi_.Of(c.bounds);
    HWND old = Control(id);
    const bool visible = !old || IsWindowVisible(old);
    // The choice lists cannot be typed into; one that reads "未対応" is an
    // editable box showing that word.
    const DWORD style = WS_TABSTOP | WS_VSCROLL | (visible ? WS_VISIBLE : 0) |
                        (unsupported ? CBS_DROPDOWN : CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS);
    HWND list = MakeChild(Handle(), WC_COMBOBOXW, L"", style, id, font_.Get(), 0, r);
    if (old) {
        SetWindowPos(list, old, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);  // same tab order
        DestroyWindow(old);
    }
    if (unsupported) SetWindowTextW(list, kUnsupported);
    if (id == kCmbNICList) tips_->Add(list, L"");
}

void CompactWindow::DrawItem(const DRAWITEMSTRUCT& item) {
    const int id = static_cast<int>(item.CtlID);
    if (id == kImgCompactIcon) {
        FillRect(item.hDC, &item.rcItem, background_.Get());
        HBITMAP icon = bitmaps_.Get(dpi_.Picture("AppIconSmallImage", 16));
        const SIZE s = BitmapSize(icon);
        DrawKeyedBitmap(item.hDC, icon, (item.rcItem.right - s.cx) / 2, (item.rcItem.bottom - s.cy) / 2);
        return;
    }
    if (item.CtlType == ODT_COMBOBOX) {
        const bool selected = item.itemState & ODS_SELECTED;
        FillRect(item.hDC, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
        if (item.itemID == static_cast<UINT>(-1)) return;
        wchar_t text[260] = L"";
        if (SendMessageW(item.hwndItem, CB_GETLBTEXTLEN, item.itemID, 0) < 260)
            SendMessageW(item.hwndItem, CB_GETLBTEXT, item.itemID, reinterpret_cast<LPARAM>(text));
        SetBkMode(item.hDC, TRANSPARENT);
        SetTextColor(item.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
        RECT r = item.rcItem;
        r.left += dpi_(2);
        DrawTextW(item.hDC, text, -1, &r, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
        if (item.itemState & ODS_FOCUS) DrawFocusRect(item.hDC, &item.rcItem);
        return;
    }
    auto it = looks_.find(id);
    if (it != looks_.end())
        DrawGlyphButton(item, it->second, colour_);
}

void CompactWindow::OnCommand(int id, int code) {
    switch (id) {
        case IDOK: return PressFocusedButton(Handle());  // Enter
        case kImgCompactIcon:
            if (code == STN_DBLCLK) BtnCompactClick();
            return;
        case kBtnCompactHelp: return PressMain(kBtnHelp);
        case kBtnCompactVersion: return PressMain(kImgAbout);
        case kBtnCompactRestore: return BtnCompactClick();
        case kBtnCompactPerformance:
            performance_ = !performance_;
            looks_[kBtnCompactPerformance].down = performance_;
            InvalidateRect(Control(id), nullptr, TRUE);
            BtnPerformanceClick();
            return ReportProcessorError();
        case kBtnCompactTray: return BtnTrayClick();
        case kBtnCompactMinimum: return BtnMinimumClick();
        case kBtnCompactClose: return PressMain(kBtnClose);
        case kCmbNICList:
            if (code == CBN_CLOSEUP) CmbNICListCloseUp();
            return;
        default: return;
    }
}

void CompactWindow::PressMain(int id) {
    SendMessageW(main_, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(main_, id)));
}

void CompactWindow::SizeClient(int width, int height) {
    RECT r = {0, 0, dpi_(width), dpi_(height)};
    AdjustWindowRectEx(&r, static_cast<DWORD>(GetWindowLongW(Handle(), GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongW(Handle(), GWL_EXSTYLE)));
    SetWindowPos(Handle(), nullptr, 0, 0, r.right - r.left, r.bottom - r.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CompactWindow::ShowModeControls() {
    // In compact mode only what lies in the strip is there to reach.
    const int stripRight = dpi_(kCompactStripWidth), stripBottom = dpi_(kCompactStripHeight);
    for (HWND child = GetWindow(Handle(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT r;
        GetWindowRect(child, &r);
        MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&r), 2);
        const bool inStrip = r.right <= stripRight && r.bottom <= stripBottom;
        ShowWindow(child, performance_ || inStrip ? SW_SHOW : SW_HIDE);
    }
}

void CompactWindow::FormMouseDown() {
    DragByCaption(Handle());
}

void CompactWindow::BtnCompactClick() {
    ShowWindow(Handle(), SW_HIDE);  // stops sampling
    ShowWindow(main_, SW_SHOW);
    SetForegroundWindow(main_);
}

void CompactWindow::BtnPerformanceClick() {
    if (!performance_) {
        SetSampling(false);
        SizeClient(kCompactStripWidth, kCompactStripHeight);
        for (int id : {kCmbCPUList, kCmbHDList, kCmbNICList}) {
            MakeList(id, false);
            SendMessageW(Control(id), CB_RESETCONTENT, 0, 0);
        }
        tips_->SetText(Control(kImgCompactIcon), kCompactHint);
    } else {
        FillMonitorLists();
        SetSampling(true);
        UpdateMonitor();
        SizeClient(kPerformanceClientWidth, kPerformanceClientHeight);
        tips_->SetText(Control(kImgCompactIcon), kPerformanceHint);
    }
    ShowModeControls();
}

void CompactWindow::BtnTrayClick() {
    PressMain(kBtnTray);
    ShowWindow(Handle(), SW_HIDE);
    SetSampling(false);
}

void CompactWindow::BtnMinimumClick() {
    ShowWindow(Handle(), SW_MINIMIZE);
    SetSampling(false);
}

void CompactWindow::CmbNICListCloseUp() {
    wchar_t text[260] = L"";
    GetWindowTextW(Control(kCmbNICList), text, 260);
    tips_->SetText(Control(kCmbNICList), text);
}

void CompactWindow::SetSampling(bool on) {
    if (on == sampling_) return;
    sampling_ = on;
    monitor_.SetSampling(on);
    if (on) SetTimer(Handle(), kTmrFreq, kRefreshMs, nullptr);
    else KillTimer(Handle(), kTmrFreq);
}

void CompactWindow::FillMonitorLists() {
    const monitor::Monitor::Choices choices = monitor_.FillChoices(ctx_.paths.fixedDriveLetters);
    auto fill = [&](int id, const std::vector<std::string>& entries) {
        HWND list = Control(id);
        SendMessageW(list, CB_RESETCONTENT, 0, 0);
        for (const std::string& e : entries)
            SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(win32::Widen(e).c_str()));
        SendMessageW(list, CB_SETCURSEL, entries.empty() ? -1 : 0, 0);
    };
    MakeList(kCmbCPUList, false);
    fill(kCmbCPUList, choices.processors);
    MakeList(kCmbHDList, choices.drives.empty());
    if (!choices.drives.empty()) fill(kCmbHDList, choices.drives);
    MakeList(kCmbNICList, !monitor_.NetworkSupported());
    if (monitor_.NetworkSupported()) {
        fill(kCmbNICList, choices.adapters);
        CmbNICListCloseUp();
    }
    processorError_ = choices.processorError;
}

void CompactWindow::ReportProcessorError() {
    // Told once, when the window is there to be seen; the rest of the
    // monitor runs on without the processor figure.
    if (!processorError_) return;
    const std::string text = std::string(processorError_) + ".";
    processorError_ = nullptr;
    ShowUnhandledError(text);
}

void CompactWindow::UpdateMonitor() {
    auto selected = [&](int id) { return unsupported_[id] ? -1 : Selected(Control(id)); };
    const monitor::MonitorUpdate u =
        monitor_.Update({Selected(Control(kCmbCPUList)), selected(kCmbHDList), selected(kCmbNICList)});
    if (u.processorLoad) {
        SetLabel(kLblCPUUse, monitor::FormatPlain(*u.processorLoad, " %"));
        SetBar(kPrgCPUUse, *u.processorLoad);
    }
    ShowAmount(kLblMemTotal, kLblMemFree, kLblMemUse, kPrgMemUse, u.memory.physical);
    ShowAmount(kLblVirtualTotal, kLblVirtualFree, kLblVirtualUse, kPrgVirtualUse, u.memory.virtualMemory);
    ShowAmount(kLblPageTotal, kLblPageFree, kLblPageUse, kPrgPageUse, u.memory.pageFile);
    if (u.drive) ShowAmount(kLblHDTotal, kLblHDFree, kLblHDUse, kPrgHDUse, *u.drive);
    if (u.network) {
        SetLabel(kLblReceiveSpeed, monitor::RateLabel(u.receivedRate, separator_));
        SetLabel(kLblSendSpeed, monitor::RateLabel(u.sentRate, separator_));
    }
    // Shown once; the processor figure stands still from here on.
    if (u.processorError) {
        processorError_ = u.processorError;
        ReportProcessorError();
    }
}

void CompactWindow::ShowAmount(int total, int free, int use, int bar, const monitor::Amount& amount) {
    SetLabel(total, monitor::FormatGrouped(amount.totalMb, " MB", separator_));
    SetLabel(free, monitor::FormatGrouped(amount.freeMb, " MB", separator_));
    SetLabel(use, monitor::FormatPlain(amount.use, " %"));
    SetBar(bar, amount.use);
}

void CompactWindow::SetLabel(int id, const monitor::Label& text) {
    monitor::Label& shown = shown_[static_cast<size_t>(id - kLblCPUUse)];
    if (shown == text) return;
    shown = text;
    // The texts are ASCII: widened in place, without the heap.
    wchar_t wide[sizeof text.text];
    size_t i = 0;
    for (; text.text[i]; ++i) wide[i] = static_cast<unsigned char>(text.text[i]);
    wide[i] = 0;
    SetWindowTextW(Control(id), wide);
}

void CompactWindow::SetBar(int id, int value) {
    int& shown = bars_[static_cast<size_t>(id - kPrgCPUUse)];
    if (shown == value) return;
    shown = value;
    SendMessageW(Control(id), PBM_SETPOS, static_cast<WPARAM>(value < 0 ? 0 : value > 100 ? 100 : value), 0);
}

}  // namespace brisko::ui
