#include "ui/win32/options_window.h"

#include <commctrl.h>

#include "prefs/preference_keys.h"
#include "engine/program_preferences.h"
#include "platform/win32/wide.h"
#include "ui/options_ids.h"
#include "ui/win32/glyph_button.h"
#include "ui/win32/window_chores.h"

namespace brisko::ui {

namespace {
const wchar_t* const kClassName = L"TFrmSub";
const wchar_t* const kPageCaptions[kOptionsPageCount] = {L"全般", L"設定項目の無効化", L"バージョン情報", L"カスタマイズ"};
// Not clipping its children: the window paints the inside of its group boxes,
// which would otherwise keep what the previous page drew there.
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;

}  // namespace

OptionsWindow::OptionsWindow(ProgramContext& ctx, AppearanceTarget& main, DescriptionFont& descriptionFont,
                             MessageBoxPrompts& prompts, BitmapCache& bitmaps)
    : ctx_(ctx), main_(main), descriptionFont_(descriptionFont), prompts_(prompts), dpi_(Dpi::OfScreen()),
      bitmaps_(bitmaps), colour_(kButtonFace) {}

void OptionsWindow::Create() {
    RegisterWindowClass(kClassName, LoadIconW(GetModuleHandleW(nullptr), L"MAINICON"));
    RECT bounds = {0, 0, dpi_(kOptionsClientWidth), dpi_(kOptionsClientHeight)};
    AdjustWindowRectEx(&bounds, kStyle, FALSE, WS_EX_DLGMODALFRAME);
    if (CreateWindowOf(kClassName, L"オプション", kStyle, WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT,
                       {0, 0, bounds.right - bounds.left, bounds.bottom - bounds.top}, main_.OwnerWindow()))
        CentreOver(Handle(), main_.OwnerWindow());
}

LRESULT OptionsWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            FormCreate();
            return 0;
        case WM_ERASEBKGND: {
            RECT client;
            GetClientRect(Handle(), &client);
            FillRect(reinterpret_cast<HDC>(wParam), &client, brush_.Get());
            return 1;
        }
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN: {
            // What the pages leave: a disabled box keeps its look, the rest lies on the window's colour.
            wchar_t cls[8] = L"";
            GetClassNameW(reinterpret_cast<HWND>(lParam), cls, 8);
            if (lstrcmpiW(cls, L"Edit") == 0) break;
            SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
            return reinterpret_cast<LRESULT>(brush_.Get());
        }
        case WM_DRAWITEM:
            DrawItem(*reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        case WM_SETCURSOR: {
            HWND control = reinterpret_cast<HWND>(wParam);
            if (control != Handle() && (version_->IsLink(control) || customize_->IsSwatch(control))) {
                SetCursor(LoadCursorW(nullptr, IDC_HAND));
                return TRUE;
            }
            break;
        }
        case WM_HSCROLL:
            if (GetDlgCtrlID(reinterpret_cast<HWND>(lParam)) == kScrTrans)
                customize_->Scroll(LOWORD(wParam), static_cast<short>(HIWORD(wParam)));
            return 0;
        case DM_GETDEFID: {
            const int button = pages_[page_]->DefaultButton();
            return button ? MAKELRESULT(button, DC_HASDEFID) : 0;
        }
        case WM_CLOSE:
            Close();
            return 0;
    }
    return Window::OnMessage(message, wParam, lParam);
}

// What the pages leave: Esc and each page's close button.
void OptionsWindow::OnCommand(int id, int code) {
    if (id == IDCANCEL ||
        ((id == kBtnCloseO || id == kBtnCloseOK || id == kBtnOKV || id == kBtnCloseH) && code == BN_CLICKED))
        Close();
}

LRESULT OptionsWindow::OnNotify(const NMHDR& header) {
    if (header.idFrom == kPgOption && header.code == TCN_SELCHANGE)
        ShowPage(static_cast<int>(SendMessageW(GetDlgItem(Handle(), kPgOption), TCM_GETCURSEL, 0, 0)));
    return 0;
}

void OptionsWindow::FormCreate() {
    font_ = MakeFont(dpi_, 12, false, L"MS UI Gothic");
    tips_ = std::make_unique<Tooltips>(Handle());
    host_ = std::make_unique<OptionsHost>(OptionsHost{Handle(), ctx_, main_, descriptionFont_, dpi_, font_.Get(), *tips_, brush_});
    const OptionsLayout layout = LayOutOptionsWindow();
    HWND tabs = MakeChild(Handle(), WC_TABCONTROLW, L"", WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS, kPgOption,
                          font_.Get(), 0, dpi_.Of(layout.tabs));
    // The customize page's tab is added when BtnHidden is pressed.
    for (int i = 0; i < kTbHidden; ++i) AddTab(tabs, i, kPageCaptions[i]);
    // The pages in tab order (OptionsPageIndex).
    auto version = std::make_unique<VersionPage>(*host_, [this] { BtnHiddenClick(); });
    auto customize = std::make_unique<CustomizePage>(
        *host_, [this] { return colour_; }, [this](int32_t c) { SetColour(c); },
        [this](PageStyle s) { SetPageStyle(s); }, [this] { RefreshPageStyles(); });
    version_ = version.get();
    customize_ = customize.get();
    pages_ = {std::make_unique<GeneralPage>(*host_), std::make_unique<DisablingPage>(*host_), std::move(version),
              std::move(customize)};
    for (const auto& page : pages_) {
        page->Create(layout);
        AddPart(*page);
    }

    const Preferences prefs = PreferencesOf(ctx_);
    SetColour(prefs.Color(prefkey::kSubColor).value_or(kButtonFace));
    if (auto style = PageStyleFromText(prefs.Read(prefkey::kSettings, prefkey::kTabStyle))) SetPageStyle(*style);
    for (const auto& page : pages_) page->Load();
    ShowPage(kTbOption);
}

void OptionsWindow::DrawItem(const DRAWITEMSTRUCT& item) {
    const int id = static_cast<int>(item.CtlID);
    // The folder and the application's pictures in the size drawn nearest the
    // screen's DPI, the latter in the sixteen standard colours where a shared
    // palette would dither it.
    if (id == kBtnHidden) {
        ButtonLook look;
        look.glyph = bitmaps_.ForScreen(dpi_.Picture("AppIconImage", 24));
        return DrawGlyphButton(item, look, PaintColour(colour_));
    }
    const bool browse = id == kBtnSysocPath || id == kBtnBootPath;
    DrawPictureButton(item, bitmaps_.Get(browse ? dpi_.Picture("FolderImage", 16) : "ApplyImage"),
                      id == pages_[page_]->DefaultButton());
}

void OptionsWindow::ShowModal(int page) {
    if (page >= 0) ShowPage(page);
    HWND owner = main_.OwnerWindow();
    prompts_.SetOwner(Handle());
    open_ = true;
    RunModal(Handle(), owner, GetDlgItem(Handle(), kPgOption), [this] { return open_; });
    open_ = false;
    prompts_.SetOwner(owner);
    SetActiveWindow(owner);
}

void OptionsWindow::Close() {
    open_ = false;
    EndModal(Handle(), main_.OwnerWindow());
}

void OptionsWindow::ShowPage(int page) {
    if (page == kTbHidden && !customizeShown_) page = kTbOption;
    page_ = page;
    for (int i = 0; i < kOptionsPageCount; ++i) pages_[i]->Show(i == page);
    SendMessageW(GetDlgItem(Handle(), kPgOption), TCM_SETCURSEL, page, 0);
    // The default buttons (General's apply, the version page's OK) are drawn
    // with the default frame while their page shows.
    InvalidateRect(Handle(), nullptr, TRUE);
}

void OptionsWindow::BtnHiddenClick() {
    if (!customizeShown_) {
        AddTab(GetDlgItem(Handle(), kPgOption), kTbHidden, kPageCaptions[kTbHidden]);
        customizeShown_ = true;
    }
    ShowPage(kTbHidden);
}

void OptionsWindow::SetColour(int32_t colour) {
    colour_ = colour;
    brush_.Reset(CreateSolidBrush(PaintColour(colour)));
    InvalidateRect(Handle(), nullptr, TRUE);
}

void OptionsWindow::SetPageStyle(PageStyle style) {
    SetTabStyle(GetDlgItem(Handle(), kPgOption), style);
}

void OptionsWindow::RefreshPageStyles() {
    for (HWND w : {main_.OwnerWindow(), Handle()})
        RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
}

}  // namespace brisko::ui
