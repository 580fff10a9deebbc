#include "ui/win32/main_window.h"

#include <commctrl.h>
#include <richedit.h>
#include <shellapi.h>
#include <windowsx.h>

#include "backup/accelerate_flow.h"
#include "engine/services.h"
#include "engine/unavailable_reason.h"
#include "engine/policy_note.h"
#include "platform/text_resources.h"
#include "platform/win32/system_paths.h"
#include "platform/win32/wide.h"
#include "engine/program_preferences.h"
#include "startup/startup_sequence.h"
#include "ui/options_ids.h"
#include "ui/reference_links.h"
#include "ui/win32/glyph_colours.h"
#include "ui/win32/rich_text.h"

namespace brisko::ui {

namespace {
const wchar_t* const kClassName = L"TFrmMain";
// Posted at creation: the hints are given their controls once the window shows.
const UINT kHintsMessage = WM_APP + 1;

// The look without a stored colour style: a blue title bar and a pale side menu.
const int32_t kTitleColour = 0x8C4E1F;
const int32_t kMenuColour = 0xF0E4DC;
// Glyphs drawn in 16 colours on displays of 256 colours or fewer.
const int kReducedGlyphs[] = {kBtnCompact, kBtnTop, kBtnPerformance, kBtnSystem, kBtnDesktop, kBtnExplorer,
                              kBtnPower, kBtnOthers, kBtnUtility, kBtnInfo, kBtnRestore, kBtnHelp,
                              kBtnOption, kBtnClose, kBtnAccelerate, kBtnMoreInfo};

struct ButtonSpec {
    int id;
    const char* bitmap;
    const wchar_t* caption;
    const wchar_t* hint;
};
const ButtonSpec kToolButtons[] = {
    {kBtnMinimum, "MinimizeImage", L"", L"最小化"},
    {kBtnMaximize, "MaximizeImage", L"", L"最大化"},
    {kBtnCloseSmall, "CloseImage", L"", L"閉じる"},
    {kBtnTop, "TopImage", L"", L"最前面表示"},
    {kBtnCompact, "CompactImage", L"", L"コンパクトモード"},
    {kBtnPerformance, "PerformanceImage", L"", L"パフォーマンスモード"},
    {kBtnTray, "TaskTrayImage", L"", L"タスクトレイに収納"},
};
const ButtonSpec kPageButtons[] = {
    {kBtnSystem, "SystemImage", L"システム", L"システムやハードウェアに関する項目"},
    {kBtnDesktop, "DesktopImage", L"デスクトップ", L"デスクトップやスタートメニューに関する項目"},
    {kBtnExplorer, "ExplorerImage", L"エクスプローラ", L"エクスプローラやフォルダに関する項目"},
    {kBtnPower, "PowerImage", L"起動・終了", L"パソコンの起動や終了に関する項目"},
    {kBtnOthers, "OthersImage", L"その他", L"上記カテゴリに当てはまらない項目"},
    {kBtnService, "ServicesImage", L"サービス", L"Windows サービス一覧"},
    {kBtnUtility, "UtilityImage", L"ユーティリティ", L"Windows に搭載されている有用なツール"},
    {kBtnInfo, "PCInfoImage", L"パソコン情報", L"パソコンに関する各種情報"},
};
const ButtonSpec kActionButtons[] = {
    {kBtnRestore, "SaveRestoreImage", L"保存と復元", L"パソコンの状態を保存/復元する"},
    {kBtnOption, "PropertiesImage", L"オプション", L"Brisko の設定を変更する"},
    {kBtnHelp, "HelpImage", L"ヘルプ", L"Brisko のヘルプを表示"},
    {kBtnClose, "ExitImage", L"終了", L"Brisko を終了する"},
};
const wchar_t* const kPageCaptions[kPageCount] = {L"システム", L"デスクトップ", L"エクスプローラ", L"起動・終了",
                                                  L"その他",   L"サービス",     L"ユーティリティ", L"パソコン情報"};
HFONT MakeFont(const Dpi& dpi, int pixels, bool bold, const wchar_t* face = L"Tahoma") {
    return CreateFontW(-dpi(pixels), 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, face);
}

HWND MakeChild(HWND parent, const wchar_t* cls, const wchar_t* text, DWORD style, int id, DWORD exStyle = 0) {
    return CreateWindowExW(exStyle, cls, text, WS_CHILD | style, 0, 0, 0, 0, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
}

void Place(HWND control, const RECT& r) { MoveWindow(control, r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE); }

void NotifyIcon(DWORD message, NOTIFYICONDATAW& data) {
    if (const auto notify = win32::SystemFunction<decltype(&Shell_NotifyIconW)>(L"shell32.dll", "Shell_NotifyIconW"))
        notify(message, &data);
}

NOTIFYICONDATAW TrayIconRecord(HWND owner) {
    NOTIFYICONDATAW data{};
    data.cbSize = NOTIFYICONDATAW_V1_SIZE;
    data.hWnd = owner;
    data.uID = 1;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = kTrayCallbackMessage;
    data.hIcon = LoadIconW(GetModuleHandleW(nullptr), L"MAINICON");
    lstrcpynW(data.szTip, kApplicationTitle, 64);
    return data;
}
}  // namespace

MainWindow::MainWindow(ProgramContext& ctx, MessageBoxPrompts& prompts)
    : ctx_(ctx), prompts_(prompts), dpi_(Dpi::OfScreen()), panelColours_{kTitleColour, kMenuColour, kButtonFace} {}

MainWindow::~MainWindow() {
    for (HFONT f : {fonts_.menu, fonts_.bold, fonts_.glue, fonts_.comment, fonts_.list})
        if (f) DeleteObject(f);
    for (auto& [name, bitmap] : bitmaps_) DeleteObject(bitmap);
    if (accelBrush_) DeleteObject(accelBrush_);
}

void MainWindow::Create() {
    RegisterWindowClass(kClassName, LoadIconW(GetModuleHandleW(nullptr), L"MAINICON"));
    taskbarCreated_ = RegisterWindowMessageW(L"TaskbarCreated");
    comeForward_ = RegisterWindowMessageW(kComeForwardMessage);
    smallScreen_ = IsSmallScreen(GetSystemMetrics(SM_CYSCREEN), dpi_.Value());
    const DWORD style = WS_POPUP | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_SYSMENU | WS_CLIPCHILDREN;
    RECT work;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    RECT frame = {0, 0, 0, 0};  // wider at a higher DPI
    AdjustWindowRectEx(&frame, style, FALSE, 0);
    const int clientHeight =
        smallScreen_ ? (work.bottom - work.top - (frame.bottom - frame.top)) : dpi_(kDesignClientHeight);
    RECT bounds = {0, 0, dpi_(kDesignClientWidth), clientHeight};
    AdjustWindowRectEx(&bounds, style, FALSE, 0);
    const int w = bounds.right - bounds.left, h = bounds.bottom - bounds.top;
    if (smallScreen_) {
        bounds = {CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT + w, CW_USEDEFAULT + h};
    } else {
        const int x = (GetSystemMetrics(SM_CXSCREEN) - w) / 2, y = (GetSystemMetrics(SM_CYSCREEN) - h) / 2;
        bounds = {x, y, x + w, y + h};
    }
    CreateWindowOf(kClassName, kApplicationTitle, style, WS_EX_APPWINDOW, bounds, nullptr);
    if (smallScreen_) SetWindowPos(Handle(), nullptr, 0, 0, w, h, SWP_NOMOVE | SWP_NOZORDER);
}

LRESULT MainWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == taskbarCreated_ && taskbarCreated_) {
        // The shell restarted: an icon it showed is gone; put ours back, or
        // the hidden program could not be reached any more.
        if (inTray_) {
            NOTIFYICONDATAW data = TrayIconRecord(Handle());
            NotifyIcon(NIM_ADD, data);
        }
        return 0;
    }
    if (message == comeForward_ && comeForward_) {
        ComeForward();
        return 0;
    }
    switch (message) {
        case WM_CREATE:
            FormCreate();
            PostMessageW(Handle(), kHintsMessage, 0, 0);
            return 0;
        case kHintsMessage:
            tips_ = std::make_unique<Tooltips>(Handle());
            for (const auto& [control, hint] : hints_) tips_->Add(control, hint);
            hints_.clear();
            return 0;
        case WM_SIZE:
            Layout();
            return 0;
        case WM_GETMINMAXINFO: {
            auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
            info->ptMinTrackSize = {dpi_(100), dpi_(54)};
            // Maximised, the window fills the work area: the task bar stays visible.
            RECT work;
            SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
            RECT frame = {0, 0, 0, 0};
            AdjustWindowRectEx(&frame, GetWindowLongW(Handle(), GWL_STYLE), FALSE, GetWindowLongW(Handle(), GWL_EXSTYLE));
            info->ptMaxPosition = {work.left + frame.left, work.top + frame.top};
            info->ptMaxSize = {work.right - work.left + frame.right - frame.left,
                               work.bottom - work.top + frame.bottom - frame.top};
            return 0;
        }
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(Handle(), &ps);
            Paint(dc);
            EndPaint(Handle(), &ps);
            return 0;
        }
        case WM_ERASEBKGND:
            return 1;
        case WM_SETFOCUS:
            // Back to the control that had the focus, else the page's list.
            if (!RestoreFocus()) SetFocus(Control(kListFirst + currentItemList_));
            return 0;
        case WM_MEASUREITEM: {
            auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
            const int page = static_cast<int>(item->CtlID) - kListFirst;
            if (page >= 0 && page < 6 && checkLists_[page]) checkLists_[page]->Measure(*item);
            else item->itemHeight = dpi_(18);
            return TRUE;
        }
        case WM_DRAWITEM:
            DrawItem(*reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
            // The utilities page's box and drive lists and the PC information
            // boxes have colours of their own.
            if (HBRUSH own = utilityPage_ ? utilityPage_->Background(reinterpret_cast<HWND>(lParam),
                                                                     reinterpret_cast<HDC>(wParam))
                                          : nullptr)
                return reinterpret_cast<LRESULT>(own);
            if (pcInfoPage_)
                if (HBRUSH box = pcInfoPage_->BoxColours(reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam)))
                    return reinterpret_cast<LRESULT>(box);
            if (message != WM_CTLCOLORSTATIC) break;
            SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
            return reinterpret_cast<LRESULT>(accelBrush_ ? accelBrush_ : GetSysColorBrush(COLOR_BTNFACE));
        case WM_SETCURSOR:
            if (reinterpret_cast<HWND>(wParam) == Control(kImgAbout)) {
                SetCursor(LoadCursorW(nullptr, IDC_HAND));
                return TRUE;
            }
            break;
        case WM_COMMAND: {
            const int id = LOWORD(wParam);
            if (id == IDOK) {
                PressFocusedButton(Handle());  // Enter, as in a dialog
                return 0;
            }
            if (utilityPage_ && utilityPage_->Owns(id)) {
                utilityPage_->Command(id, HIWORD(wParam));
            } else if (id >= kListFirst && id < kListFirst + kPageCount) {
                if (HIWORD(wParam) == LBN_SELCHANGE) ListSelect(id - kListFirst);
            } else if (id != kComment && !(pcInfoPage_ && pcInfoPage_->Command(id))) {
                Command(id);
            }
            return 0;
        }
        case WM_NOTIFY: {
            const auto* header = reinterpret_cast<NMHDR*>(lParam);
            if (header->idFrom == kPgAccelTabs && header->code == TCN_SELCHANGE)
                ShowPage(static_cast<int>(SendMessageW(Control(kPgAccelTabs), TCM_GETCURSEL, 0, 0)));
            if (header->idFrom == kComment) CommentNotify(*header);
            return 0;
        }
        case WM_CONTEXTMENU:
            if (ContextPopup(reinterpret_cast<HWND>(wParam), {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)})) return 0;
            break;
        case WM_VKEYTOITEM:
            return ListKey(reinterpret_cast<HWND>(lParam), LOWORD(wParam)) ? -2 : -1;
        case WM_LBUTTONDOWN: {
            const POINT p = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            if (p.y < dpi_(layout_.title.height)) TitleMouseDown();
            return 0;
        }
        case WM_LBUTTONDBLCLK: {
            const POINT p = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            if (p.y < dpi_(layout_.title.height)) BtnMaximizeClick();
            return 0;
        }
        case kTrayCallbackMessage:
            TrayCallback(lParam);
            return 0;
        case WM_CLOSE:
            BtnCloseClick();
            return 0;
        case WM_DESTROY:
            if (inTray_) {
                NOTIFYICONDATAW data = TrayIconRecord(Handle());
                NotifyIcon(NIM_DELETE, data);
            }
            PostQuitMessage(0);
            return 0;
    }
    return Window::OnMessage(message, wParam, lParam);
}

void MainWindow::FormCreate() {
    prompts_.SetOwner(Handle());
    // The lists use the Japanese UI face, whose own glyphs can be drawn narrower where a label is long.
    fonts_ = {MakeFont(dpi_, 12, false), MakeFont(dpi_, 12, true), MakeFont(dpi_, 13, true), MakeFont(dpi_, 13, false),
              MakeFont(dpi_, 12, false, L"MS UI Gothic")};
    CreateControls();
    ctx_.trace().Step("controls");
    LoadBitmaps();
    ReduceGlyphColours();
    ctx_.trace().Step("bitmaps");
    ShowPage(0);
    const auto intro = ctx_.platform.resources.Find("DefaultDescText");
    SetRichText(Control(kComment), intro.value_or(""));
    descriptionFontPending_ = true;
    SetReferenceLink(HomePageLink());
    SendMessageW(Control(kComment), EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(dpi_(3), dpi_(3)));
    RunStartup();
    ctx_.trace().Step("pages filled");
    LoadAppearance();  // lays the window out in the stored page style
    ctx_.trace().Step("appearance");
}

void MainWindow::CreateControls() {
    auto addButtons = [&](const auto& specs, HFONT font, bool captionLeft) {
        for (const ButtonSpec& s : specs) {
            HWND button = CreateGlyphButton(Handle(), s.id, {0, 0, 0, 0});
            looks_[s.id] = {nullptr, s.caption, font, captionLeft, false};
            hints_.emplace_back(button, s.hint);
            // Drawn by the program, named all the same: screen readers and
            // automation read a button's text.
            SetWindowTextW(button, s.caption[0] ? s.caption : s.hint);
        }
    };
    addButtons(kToolButtons, nullptr, false);
    addButtons(kPageButtons, fonts_.menu, true);
    addButtons(kActionButtons, fonts_.bold, true);  // the action buttons are bold at every DPI

    HWND tabs = MakeChild(Handle(), WC_TABCONTROLW, L"", WS_CLIPSIBLINGS, kPgAccelTabs);
    SendMessageW(tabs, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.menu), FALSE);
    for (int i = 0; i < kPageCount; ++i) {
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<wchar_t*>(kPageCaptions[i]);
        SendMessageW(tabs, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
        if (i == 0) {
            OpenCheckList(0);  // the others when their page is first shown
        } else if (i >= 6) {
            // The utilities page draws its own lines, to keep them clear of the controls over them.
            const DWORD drawn = i == 6 ? LBS_OWNERDRAWFIXED | LBS_HASSTRINGS : 0;
            HWND list = MakeChild(Handle(), L"LISTBOX", L"",
                                  WS_VSCROLL | WS_TABSTOP | LBS_NOINTEGRALHEIGHT | LBS_NOTIFY | LBS_WANTKEYBOARDINPUT | drawn,
                                  kListFirst + i);
            SendMessageW(list, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.list), FALSE);
            SendMessageW(list, LB_SETITEMHEIGHT, 0, dpi_(18));
        }
    }
    // The utilities and PC information pages make their controls when first shown (OpenUtilityPage, OpenPcInfoPage).

    HWND count = MakeChild(Handle(), L"STATIC", L"※ 未チェック %d / 全項目 %d", WS_VISIBLE | SS_LEFT, kLblCount);
    SendMessageW(count, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.menu), FALSE);
    HWND moreInfo = CreateGlyphButton(Handle(), kBtnMoreInfo, {0, 0, 0, 0});
    hints_.emplace_back(moreInfo, L"関連情報を表示");
    SetWindowTextW(moreInfo, L"関連情報を表示");
    looks_[kBtnMoreInfo] = {};
    HWND accelerate = CreateGlyphButton(Handle(), kBtnAccelerate, {0, 0, 0, 0});
    hints_.emplace_back(accelerate, L"チェックされた項目の設定を変更する");
    SetWindowTextW(accelerate, L"高速化");
    looks_[kBtnAccelerate] = {nullptr, L"高速化", fonts_.glue, false, false};
    hints_.emplace_back(MakeChild(Handle(), L"STATIC", L"", WS_VISIBLE | SS_NOTIFY | SS_OWNERDRAW, kImgAbout),
                        L"クリックでバージョン情報を表示");
    HWND label = MakeChild(Handle(), L"STATIC", L"■ 解説", WS_VISIBLE | SS_LEFT, kLblComment);
    SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.menu), FALSE);
    HWND comment = MakeChild(Handle(), L"RichEdit20W", L"",
                             WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL, kComment,
                             WS_EX_CLIENTEDGE);
    SendMessageW(comment, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.comment), FALSE);
    // Web addresses in descriptions are links; changes are reported too.
    SendMessageW(comment, EM_AUTOURLDETECT, TRUE, 0);
    const LRESULT mask = SendMessageW(comment, EM_GETEVENTMASK, 0, 0);
    SendMessageW(comment, EM_SETEVENTMASK, 0, mask | ENM_LINK | ENM_CHANGE);
}

HBITMAP MainWindow::Bitmap(const char* name) {
    HBITMAP& slot = bitmaps_[name];
    if (!slot)
        slot = static_cast<HBITMAP>(
            LoadImageW(GetModuleHandleW(nullptr), win32::Widen(name).c_str(), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));
    return slot;
}

// The buttons' pictures in the size drawn nearest the screen's DPI: the tool
// buttons' and the glyphs' from 16 pixels, the side menu's from 24.
void MainWindow::LoadBitmaps() {
    auto picture = [&](const char* name, int designSize) { return Bitmap(dpi_.Picture(name, designSize).c_str()); };
    for (const ButtonSpec& s : kToolButtons) looks_[s.id].glyph = picture(s.bitmap, 16);
    for (const ButtonSpec& s : kPageButtons) looks_[s.id].glyph = picture(s.bitmap, 24);
    for (const ButtonSpec& s : kActionButtons) looks_[s.id].glyph = picture(s.bitmap, 24);
    looks_[kBtnAccelerate].glyph = picture("AppIconImage", 24);
    looks_[kBtnMoreInfo].glyph = picture("InfoBaloonImage", 16);
    Bitmap("BannerImage");
    Bitmap("LogoImage");
}

ContextMenus& MainWindow::Menus() {
    if (!menus_)
        menus_ = std::make_unique<ContextMenus>(Handle(), ctx_.platform.processes,
                                                [this](const char* name) { return Bitmap(name); });
    return *menus_;
}

void MainWindow::RunStartup() {
    RunStartupSequence(ctx_);
    if (!ctx_.controls.IsEnabled("BtnService")) EnableWindow(Control(kBtnService), FALSE);
    RefreshLists();
    UpdateCountLabel();
}

void MainWindow::RefreshLists() {
    for (int page = 0; page < 6; ++page) {
        if (!checkLists_[page]) continue;
        if (page == 5) ctx_.items.NeedServices();  // read again after a restore forgot them
        checkLists_[page]->Refresh();
    }
}

void MainWindow::ReduceGlyphColours() {
    if (!ScreenHasFewColours()) return;
    for (int id : kReducedGlyphs) {
        HBITMAP reduced = ReduceTo16Colours(looks_[id].glyph);
        if (!reduced) continue;
        bitmaps_["16:" + std::to_string(id)] = reduced;
        looks_[id].glyph = reduced;
    }
    if (utilityPage_) utilityPage_->ReduceGlyphColours();
}

void MainWindow::LoadAppearance() {
    const StoredAppearance a = ReadStoredAppearance(PreferencesOf(ctx_));
    if (a.fontSize) SetDescriptionFontSize(*a.fontSize);
    if (a.alpha) SetAlpha(*a.alpha);
    std::array<int32_t, 3> colours = panelColours_;
    for (size_t i = 0; i < colours.size(); ++i)
        if (a.panelColours[i]) colours[i] = *a.panelColours[i];
    SetPanelColours(colours);
    SetPagesStyle(a.pageStyle.value_or(pageStyle_), a.showTab);
    ShowPage(0);
}

void MainWindow::SetDescriptionFontSize(int points) {
    descriptionPoints_ = points;
    CHARFORMAT2W format{};
    format.cbSize = sizeof format;
    format.dwMask = CFM_SIZE;
    format.yHeight = points * 20;
    SendMessageW(Control(kComment), EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&format));
    if (frmRestore_) frmRestore_->SetDescriptionFontSize(points);
}

void MainWindow::SetAlpha(int alpha) {
    alpha_ = alpha;
    const LONG_PTR exStyle = GetWindowLongPtrW(Handle(), GWL_EXSTYLE);
    if (alpha >= 255) {
        SetWindowLongPtrW(Handle(), GWL_EXSTYLE, exStyle & ~static_cast<LONG_PTR>(WS_EX_LAYERED));
        return;
    }
    SetWindowLongPtrW(Handle(), GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
    SetLayeredWindowAttributes(Handle(), 0, static_cast<BYTE>(alpha), LWA_ALPHA);
}

void MainWindow::SetPanelColours(const std::array<int32_t, 3>& colours) {
    panelColours_ = colours;
    if (accelBrush_) DeleteObject(accelBrush_);
    accelBrush_ = CreateSolidBrush(AccelColour());
    RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void MainWindow::SetWindowColours(int32_t restore, int32_t compact) {
    if (frmRestore_) frmRestore_->SetColour(restore);
    if (frmCompact_) frmCompact_->SetColour(compact);
}

void MainWindow::SetPagesStyle(PageStyle style, bool showTabs) {
    pageStyle_ = style;
    showTabs_ = showTabs;
    SetTabStyle(Control(kPgAccelTabs), style);
    Layout();
    if (frmRestore_) frmRestore_->SetPageStyle(style);
}

void MainWindow::ItemAvailabilityChanged() {
    RefreshLists();
    if (utilityPage_) utilityPage_->ApplyControlStates(ctx_.controls);
    if (pcInfoPage_) pcInfoPage_->ApplyAvailability();
}

void MainWindow::UpdateCountLabel() {
    SetWindowTextW(Control(kLblCount), win32::Widen(ctx_.items.countText).c_str());
}

void MainWindow::Layout() {
    RECT client;
    GetClientRect(Handle(), &client);
    layout_ = LayOutMainWindowAt(dpi_.Value(), client.right, client.bottom, smallScreen_, showTabs_,
                                 pageStyle_ != PageStyle::Tabs);
    const MainLayout& l = layout_;
    for (size_t i = 0; i < std::size(kToolButtons); ++i) Place(Control(kToolButtons[i].id), dpi_.Of(l.toolButtons[i]));
    for (size_t i = 0; i < std::size(kPageButtons); ++i) Place(Control(kPageButtons[i].id), dpi_.Of(l.pageButtons[i]));
    ShowWindow(Control(kBtnService), l.serviceButtonVisible ? SW_SHOW : SW_HIDE);
    for (size_t i = 0; i < std::size(kActionButtons); ++i)
        Place(Control(kActionButtons[i].id), dpi_.Of(l.actionButtons[i]));
    Place(Control(kPgAccelTabs), dpi_.Of(l.tabs));
    ShowWindow(Control(kPgAccelTabs), showTabs_ ? SW_SHOW : SW_HIDE);
    for (int i = 0; i < kPageCount; ++i) Place(Control(kListFirst + i), dpi_.Of(l.pages));
    if (utilityPage_) utilityPage_->Place(l.pages);
    if (pcInfoPage_) pcInfoPage_->Place(l.pages);
    Place(Control(kLblCount), dpi_.Of(l.count));
    Place(Control(kBtnMoreInfo), dpi_.Of(l.moreInfo));
    Place(Control(kBtnAccelerate), dpi_.Of(l.accelerate));
    Place(Control(kLblComment), dpi_.Of(l.commentLabel));
    Place(Control(kComment), dpi_.Of(l.comment));
    Place(Control(kImgAbout), dpi_.Of(l.about));
    InvalidateRect(Handle(), nullptr, TRUE);
}

void MainWindow::Paint(HDC dc) {
    RECT client;
    GetClientRect(Handle(), &client);
    auto fill = [&](const RECT& r, COLORREF colour) {
        HBRUSH brush = CreateSolidBrush(colour);
        FillRect(dc, &r, brush);
        DeleteObject(brush);
    };
    fill(client, AccelColour());
    fill(dpi_.Of(layout_.title), PaintColour(panelColours_[0]));
    const RECT banner = dpi_.Of(layout_.banner);
    DrawKeyedBitmap(dc, bitmaps_["BannerImage"], banner.left, banner.top, banner.right - banner.left,
                    banner.bottom - banner.top);
    fill(dpi_.Of(layout_.sideMenu), PaintColour(panelColours_[1]));
    if (layout_.actionBorderVisible) {
        RECT border = dpi_.Of(layout_.actionBorder);
        DrawEdge(dc, &border, BDR_SUNKENOUTER, BF_TOP | BF_BOTTOM);
    }
}

void MainWindow::DrawItem(const DRAWITEMSTRUCT& item) {
    const int page = static_cast<int>(item.CtlID) - kListFirst;
    if (page >= 0 && page < 6 && checkLists_[page]) return checkLists_[page]->Draw(item);
    if (utilityPage_ && utilityPage_->Draw(item)) return;
    const int id = static_cast<int>(item.CtlID);
    if (id == kImgAbout) {
        HBRUSH brush = CreateSolidBrush(AccelColour());
        FillRect(item.hDC, &item.rcItem, brush);
        DeleteObject(brush);
        DrawKeyedBitmap(item.hDC, bitmaps_["LogoImage"], 0, 0, item.rcItem.right, item.rcItem.bottom);
        return;
    }
    auto it = looks_.find(id);
    if (it == looks_.end()) return;
    const COLORREF background = PaintColour(panelColours_[id < kBtnSystem ? 0 : id < kPgAccelTabs ? 1 : 2]);
    DrawGlyphButton(item, it->second, background);
}

void MainWindow::Command(int id) {
    if (id >= kBtnSystem && id < kBtnSystem + kPageCount) return ShowPage(id - kBtnSystem);
    switch (id) {
        case kBtnMinimum: return BtnMinimumClick();
        case kBtnMaximize: return BtnMaximizeClick();
        case kBtnCloseSmall:
        case kBtnClose: return BtnCloseClick();
        case kBtnTop: return BtnTopClick();
        case kBtnTray: return BtnTrayClick();
        case kBtnAccelerate: return BtnAccelerateClick();
        case kBtnMoreInfo: return BtnMoreInfoClick();
        case kBtnOption: return BtnOptionClick();
        case kBtnHelp: return BtnHelpClick();
        case kImgAbout: return ImgAboutClick();
        case kBtnRestore: return BtnRestoreClick();
        case kBtnCompact: return ShowCompact(false);
        case kBtnPerformance: return ShowCompact(true);
        default: return;
    }
}

void MainWindow::BtnTrayClick() {
    NOTIFYICONDATAW data = TrayIconRecord(Handle());
    NotifyIcon(NIM_ADD, data);
    inTray_ = true;
    ShowWindow(Handle(), SW_HIDE);
}

void MainWindow::TrayCallback(LPARAM mouseMessage) {
    if (mouseMessage == WM_LBUTTONDOWN && inTray_) LeaveTray();
}

void MainWindow::LeaveTray() {
    // The window first: the shell may take its time over the icon.
    inTray_ = false;
    ShowWindow(Handle(), SW_SHOW);
    SetForegroundWindow(Handle());
    NOTIFYICONDATAW data = TrayIconRecord(Handle());
    NotifyIcon(NIM_DELETE, data);
}

void MainWindow::ComeForward() {
    if (inTray_) return LeaveTray();
    if (IsIconic(Handle())) ShowWindow(Handle(), SW_RESTORE);
    SetForegroundWindow(Handle());
}

void MainWindow::BtnCloseClick() { DestroyWindow(Handle()); }

}  // namespace brisko::ui
