#include "ui/win32/main_window.h"

#include <commctrl.h>
#include <windowsx.h>

#include "startup/startup_sequence.h"
#include "ui/reference_links.h"
#include "ui/win32/main_window_tables.h"
#include "ui/win32/rich_text.h"
#include "ui/win32/window_chores.h"

namespace brisko::ui {

namespace {
const wchar_t* const kClassName = L"TFrmMain";
// Posted at creation: the hints are given their controls once the window shows.
const UINT kHintsMessage = WM_APP + 1;
}  // namespace

using namespace main_window;

MainWindow::MainWindow(ProgramContext& ctx, MessageBoxPrompts& prompts)
    : ctx_(ctx), prompts_(prompts), dpi_(Dpi::OfScreen()), panelColours_{kTitleColour, kMenuColour, kButtonFace} {}

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
    if (CreateWindowOf(kClassName, kApplicationTitle, style, WS_EX_APPWINDOW, bounds, nullptr) && smallScreen_)
        SetWindowPos(Handle(), nullptr, 0, 0, w, h, SWP_NOMOVE | SWP_NOZORDER);
}

LRESULT MainWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == taskbarCreated_ && taskbarCreated_) {
        tray_.PutBack();
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
        case WM_GETMINMAXINFO:
            LimitSize(*reinterpret_cast<MINMAXINFO*>(lParam));
            return 0;
        case WM_PAINT: {
            PAINTSTRUCT ps;
            Paint(BeginPaint(Handle(), &ps));
            EndPaint(Handle(), &ps);
            return 0;
        }
        case WM_ERASEBKGND:
            return 1;
        case WM_SETFOCUS:
            // Back to the control that had the focus, else the page's list.
            if (!RestoreFocus()) SetFocus(Control(kListFirst + currentPage_));
            return 0;
        case WM_MEASUREITEM:  // a page's list, made before its page
            reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight = dpi_(18);
            return TRUE;
        case WM_DRAWITEM:
            DrawItem(*reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        case WM_CTLCOLORSTATIC:  // a label no page colours lies on the settings panel
            SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
            return reinterpret_cast<LRESULT>(accelBrush_ ? accelBrush_.Get() : GetSysColorBrush(COLOR_BTNFACE));
        case WM_SETCURSOR:
            if (reinterpret_cast<HWND>(wParam) != Control(kImgAbout)) break;
            SetCursor(LoadCursorW(nullptr, IDC_HAND));
            return TRUE;
        case WM_CONTEXTMENU:
            if (ContextPopup(reinterpret_cast<HWND>(wParam), {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)})) return 0;
            break;
        case WM_VKEYTOITEM:
            return ListKey(reinterpret_cast<HWND>(lParam), LOWORD(wParam)) ? -2 : -1;
        case WM_LBUTTONDOWN:
            if (GET_Y_LPARAM(lParam) < dpi_(layout_.title.height)) TitleMouseDown();
            return 0;
        case WM_LBUTTONDBLCLK:
            if (GET_Y_LPARAM(lParam) < dpi_(layout_.title.height)) BtnMaximizeClick();
            return 0;
        case kTrayCallbackMessage:
            TrayCallback(lParam);
            return 0;
        case WM_CLOSE:
            BtnCloseClick();
            return 0;
        case WM_DESTROY:
            tray_.Remove();
            PostQuitMessage(0);
            return 0;
    }
    return Window::OnMessage(message, wParam, lParam);
}

// What the pages leave: the buttons of the frame, and a line chosen in a page's list.
void MainWindow::OnCommand(int id, int code) {
    if (id >= kBtnSystem && id < kBtnSystem + kPageCount) return ShowPage(id - kBtnSystem);
    if (id >= kListFirst && id < kListFirst + kPageCount) {
        if (code == LBN_SELCHANGE) ListSelect(id - kListFirst);
        return;
    }
    switch (id) {
        case IDOK: return PressFocusedButton(Handle());  // Enter, as in a dialog
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
    }
}

LRESULT MainWindow::OnNotify(const NMHDR& header) {
    if (header.idFrom == kPgAccelTabs && header.code == TCN_SELCHANGE)
        ShowPage(static_cast<int>(SendMessageW(Control(kPgAccelTabs), TCM_GETCURSEL, 0, 0)));
    if (header.idFrom == kComment) CommentNotify(header);
    return 0;
}

void MainWindow::FormCreate() {
    prompts_.SetOwner(Handle());
    // The lists use the Japanese UI face, whose own glyphs can be drawn narrower where a label is long.
    fonts_ = {MakeFont(dpi_, 12, false), MakeFont(dpi_, 12, true), MakeFont(dpi_, 13, true), MakeFont(dpi_, 13, false),
              MakeFont(dpi_, 12, false, L"MS UI Gothic")};
    CreateControls();
    ctx_.trace().Step("controls");
    LoadBitmaps();
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

void MainWindow::RunStartup() {
    RunStartupSequence(ctx_);
    if (!ctx_.controls.IsEnabled("BtnService")) EnableWindow(Control(kBtnService), FALSE);
    RefreshLists();
    UpdateCountLabel();
}

void MainWindow::BtnCloseClick() { DestroyWindow(Handle()); }

}  // namespace brisko::ui
