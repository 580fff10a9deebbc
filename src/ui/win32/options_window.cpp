#include "ui/win32/options_window.h"

#include <commctrl.h>

#include "prefs/preference_keys.h"
#include "engine/program_preferences.h"
#include "platform/win32/wide.h"
#include "ui/options_ids.h"
#include "ui/win32/glyph_button.h"
#include "ui/win32/glyph_colours.h"

namespace brisko::ui {

namespace {
const wchar_t* const kClassName = L"TFrmSub";
const wchar_t* const kPageCaptions[kOptionsPageCount] = {L"全般", L"設定項目の無効化", L"バージョン情報", L"カスタマイズ"};
// Not clipping its children: the window paints the inside of its group boxes,
// which would otherwise keep what the previous page drew there.
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;

}  // namespace

OptionsWindow::OptionsWindow(ProgramContext& ctx, AppearanceTarget& main, MessageBoxPrompts& prompts)
    : ctx_(ctx), main_(main), prompts_(prompts), dpi_(Dpi::OfScreen()), colour_(kButtonFace) {}

OptionsWindow::~OptionsWindow() {
    if (font_) DeleteObject(font_);
    if (brush_) DeleteObject(brush_);
    for (HBITMAP b : {folderPicture_, applyPicture_, iconPicture_})
        if (b) DeleteObject(b);
}

void OptionsWindow::Create() {
    RegisterWindowClass(kClassName, LoadIconW(GetModuleHandleW(nullptr), L"MAINICON"));
    RECT bounds = {0, 0, dpi_(kOptionsClientWidth), dpi_(kOptionsClientHeight)};
    AdjustWindowRectEx(&bounds, kStyle, FALSE, WS_EX_DLGMODALFRAME);
    // Centred on the main window.
    RECT owner;
    GetWindowRect(main_.OwnerWindow(), &owner);
    const int w = bounds.right - bounds.left, h = bounds.bottom - bounds.top;
    const int x = (owner.left + owner.right - w) / 2, y = (owner.top + owner.bottom - h) / 2;
    CreateWindowOf(kClassName, L"オプション", kStyle, WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT, {x, y, x + w, y + h},
                   main_.OwnerWindow());
}

LRESULT OptionsWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            FormCreate();
            return 0;
        case WM_ERASEBKGND: {
            RECT client;
            GetClientRect(Handle(), &client);
            FillRect(reinterpret_cast<HDC>(wParam), &client, brush_);
            return 1;
        }
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN: {
            HWND control = reinterpret_cast<HWND>(lParam);
            HDC dc = reinterpret_cast<HDC>(wParam);
            if (HBRUSH swatch = customize_->SwatchBrush(control)) return reinterpret_cast<LRESULT>(swatch);
            const int id = GetDlgCtrlID(control);
            if (id == kEdtTrans || id == kEdtSysocPath || id == kEdtBootPath) break;  // a disabled box keeps its look
            SetBkMode(dc, TRANSPARENT);
            version_->ColourLabel(control, dc);
            return reinterpret_cast<LRESULT>(brush_);
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
        case WM_NOTIFY: {
            const auto* header = reinterpret_cast<NMHDR*>(lParam);
            if (header->idFrom == kPgOption && header->code == TCN_SELCHANGE)
                ShowPage(static_cast<int>(SendMessageW(GetDlgItem(Handle(), kPgOption), TCM_GETCURSEL, 0, 0)));
            return 0;
        }
        case DM_GETDEFID: {
            OptionsPage* pages[kOptionsPageCount] = {general_.get(), disabling_.get(), version_.get(), customize_.get()};
            const int button = pages[page_]->DefaultButton();
            return button ? MAKELRESULT(button, DC_HASDEFID) : 0;
        }
        case WM_COMMAND: {
            const int id = LOWORD(wParam), code = HIWORD(wParam);
            if (id == IDCANCEL || ((id == kBtnCloseO || id == kBtnCloseOK || id == kBtnOKV || id == kBtnCloseH) &&
                                   code == BN_CLICKED)) {
                Close();
                return 0;
            }
            PageOf(id, code);
            return 0;
        }
        case WM_CLOSE:
            Close();
            return 0;
    }
    return Window::OnMessage(message, wParam, lParam);
}

void OptionsWindow::PageOf(int id, int code) {
    for (OptionsPage* page : {static_cast<OptionsPage*>(general_.get()), static_cast<OptionsPage*>(disabling_.get()),
                              static_cast<OptionsPage*>(version_.get()), static_cast<OptionsPage*>(customize_.get())})
        if (page->Command(id, code)) return;
}

void OptionsWindow::FormCreate() {
    font_ = CreateFontW(-dpi_(12), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                        CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"MS UI Gothic");
    LoadPictures();
    tips_ = std::make_unique<Tooltips>(Handle());
    host_ = std::make_unique<OptionsHost>(OptionsHost{Handle(), ctx_, main_, dpi_, font_, *tips_});
    const OptionsLayout layout = LayOutOptionsWindow();
    const RECT tabsPlace = dpi_.Of(layout.tabs);
    HWND tabs = CreateWindowExW(0, WC_TABCONTROLW, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS,
                                tabsPlace.left, tabsPlace.top, tabsPlace.right - tabsPlace.left,
                                tabsPlace.bottom - tabsPlace.top, Handle(),
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(kPgOption)), GetModuleHandleW(nullptr),
                                nullptr);
    SendMessageW(tabs, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    // The customize page's tab is added when BtnHidden is pressed.
    for (int i = 0; i < kTbHidden; ++i) {
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<wchar_t*>(kPageCaptions[i]);
        SendMessageW(tabs, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
    }
    general_ = std::make_unique<GeneralPage>(*host_);
    disabling_ = std::make_unique<DisablingPage>(*host_);
    version_ = std::make_unique<VersionPage>(*host_, [this] { BtnHiddenClick(); });
    customize_ = std::make_unique<CustomizePage>(
        *host_, [this] { return colour_; }, [this](int32_t c) { SetColour(c); },
        [this](PageStyle s) { SetPageStyle(s); }, [this] { RefreshPageStyles(); });
    for (OptionsPage* page : {static_cast<OptionsPage*>(general_.get()), static_cast<OptionsPage*>(disabling_.get()),
                              static_cast<OptionsPage*>(version_.get()), static_cast<OptionsPage*>(customize_.get())})
        page->Create(layout);

    const Preferences prefs = PreferencesOf(ctx_);
    SetColour(prefs.Color(prefkey::kSubColor).value_or(kButtonFace));
    if (auto style = PageStyleFromText(prefs.Read(prefkey::kSettings, prefkey::kTabStyle))) SetPageStyle(*style);
    general_->Load();
    disabling_->Load();
    customize_->Load();
    ShowPage(kTbOption);
}

void OptionsWindow::LoadPictures() {
    auto load = [](const std::string& name) {
        return static_cast<HBITMAP>(
            LoadImageW(GetModuleHandleW(nullptr), win32::Widen(name).c_str(), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));
    };
    // The folder and the application's pictures in the size drawn nearest the screen's DPI.
    folderPicture_ = load(dpi_.Picture("FolderImage", 16));
    applyPicture_ = load("ApplyImage");
    iconPicture_ = load(dpi_.Picture("AppIconImage", 24));
    // Drawn in the sixteen standard colours where a shared palette would dither it.
    if (!ScreenHasFewColours()) return;
    if (HBITMAP reduced = ReduceTo16Colours(iconPicture_)) {
        DeleteObject(iconPicture_);
        iconPicture_ = reduced;
    }
}

void OptionsWindow::DrawItem(const DRAWITEMSTRUCT& item) {
    const int id = static_cast<int>(item.CtlID);
    if (id == kBtnHidden) return DrawGlyphButton(item, {iconPicture_}, PaintColour(colour_));
    OptionsPage* pages[kOptionsPageCount] = {general_.get(), disabling_.get(), version_.get(), customize_.get()};
    const bool browse = id == kBtnSysocPath || id == kBtnBootPath;
    DrawPictureButton(item, browse ? folderPicture_ : applyPicture_, id == pages[page_]->DefaultButton());
}

void OptionsWindow::ShowModal(int page) {
    if (page >= 0) ShowPage(page);
    HWND owner = main_.OwnerWindow();
    prompts_.SetOwner(Handle());
    EnableWindow(owner, FALSE);
    open_ = true;
    ShowWindow(Handle(), SW_SHOW);
    SetForegroundWindow(Handle());
    SetFocus(GetDlgItem(Handle(), kPgOption));
    RunModalLoop(Handle(), [this] { return open_; });
    open_ = false;
    EnableWindow(owner, TRUE);
    prompts_.SetOwner(owner);
    ShowWindow(Handle(), SW_HIDE);
    SetActiveWindow(owner);
}

void OptionsWindow::Close() {
    open_ = false;
    // The owner is enabled before this window goes, so that it is the one activated.
    EnableWindow(main_.OwnerWindow(), TRUE);
    ShowWindow(Handle(), SW_HIDE);
    PostMessageW(Handle(), WM_NULL, 0, 0);  // wakes the modal loop so that it ends now
}

void OptionsWindow::ShowPage(int page) {
    if (page == kTbHidden && !customizeShown_) page = kTbOption;
    page_ = page;
    OptionsPage* pages[kOptionsPageCount] = {general_.get(), disabling_.get(), version_.get(), customize_.get()};
    for (int i = 0; i < kOptionsPageCount; ++i) pages[i]->Show(i == page);
    SendMessageW(GetDlgItem(Handle(), kPgOption), TCM_SETCURSEL, page, 0);
    // The default buttons (General's apply, the version page's OK) are drawn
    // with the default frame while their page shows.
    InvalidateRect(Handle(), nullptr, TRUE);
}

void OptionsWindow::BtnHiddenClick() {
    if (!customizeShown_) {
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<wchar_t*>(kPageCaptions[kTbHidden]);
        SendMessageW(GetDlgItem(Handle(), kPgOption), TCM_INSERTITEMW, kTbHidden, reinterpret_cast<LPARAM>(&item));
        customizeShown_ = true;
    }
    ShowPage(kTbHidden);
}

void OptionsWindow::SetColour(int32_t colour) {
    colour_ = colour;
    if (brush_) DeleteObject(brush_);
    brush_ = CreateSolidBrush(PaintColour(colour));
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
