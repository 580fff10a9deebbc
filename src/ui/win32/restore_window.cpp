#include "ui/win32/restore_window.h"

#include <commctrl.h>
#include <richedit.h>

#include "backup/backup_file.h"
#include "backup/mail_rules.h"
#include "backup/recorded_change.h"
#include "backup/restore_command.h"
#include "backup/tweak_plan.h"
#include "engine/item_passes.h"
#include "platform/win32/wide.h"
#include "prefs/preference_keys.h"
#include "engine/program_preferences.h"
#include "ui/control_ids.h"
#include "ui/win32/appearance_target.h"
#include "ui/win32/effect_page.h"
#include "ui/win32/history_page.h"
#include "ui/win32/window_chores.h"

namespace brisko::ui {

namespace {
const wchar_t* const kClassName = L"TFrmRestore";
const wchar_t* const kPlanFilter = L"プラン ファイル (*.ini)|*.ini|すべてのファイル (*.*)|*.*";

// The parts of each page without an id of their own in the shared list.
constexpr int kPagePartFirst = 3100;
enum PagePart { kPanel, kHeading, kBackupLabel, kRestoreLabel, kPicture, kPartCount };
int PartId(int page, PagePart part) { return kPagePartFirst + page * 10 + part; }

struct PageContents {
    const wchar_t* tab;
    const wchar_t* heading;
    int backupId;
    const wchar_t* backupLabel;
    int restoreId;
    const wchar_t* restoreLabel;
    const char* picture;
};
const PageContents kPages[2] = {
    {L"バックアップ", L"■ コンピュータの状態", kBtnBackup, L"コンピュータの状態を保存する", kBtnRecovery,
     L"以前の状態に戻す", "WindowsImage"},
    {L"Outlook Express", L"■ Outlook Express のメールルール", kBtnBackupOE, L"メールルールをバックアップ",
     kBtnRecoveryOE, L"メールルールを復元", "OutlookImage"},
};

constexpr wchar_t kTabsProperty[] = L"Brisko.TabsLook";

// While a long action runs: the hour-glass, and the window closed to input.
// Afterwards the keyboard focus goes back to the control that had it.
class BusyWindow {
public:
    explicit BusyWindow(HWND window) : window_(window), focus_(GetFocus()) { EnableWindow(window_, FALSE); }
    ~BusyWindow() {
        EnableWindow(window_, TRUE);
        if (focus_ && IsWindowVisible(window_)) SetFocus(focus_);
    }
    BusyWindow(const BusyWindow&) = delete;
    BusyWindow& operator=(const BusyWindow&) = delete;

private:
    HWND window_, focus_;
    BusyCursor cursor_;
};
}  // namespace

// The page control takes the window's colour: its strip beside the tabs, and
// its page area inside the frame, which a themed control would otherwise
// paint white over the page's panel.
LRESULT CALLBACK RestoreWindow::TabsProc(HWND tabs, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto* look = static_cast<const TabsLook*>(GetPropW(tabs, kTabsProperty));
    const WNDPROC proc = look->proc;
    const HBRUSH brush = look->brush;
    RECT area;
    GetClientRect(tabs, &area);
    if (message == WM_ERASEBKGND) {
        FillRect(reinterpret_cast<HDC>(wParam), &area, brush);
        return 1;
    }
    if (message == WM_PAINT && !wParam) {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(tabs, &paint);
        CallWindowProcW(proc, tabs, WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
        CallWindowProcW(proc, tabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
        FillRect(dc, &area, brush);
        EndPaint(tabs, &paint);
        return 0;
    }
    if (message == WM_NCDESTROY) Unsubclass(tabs, kTabsProperty, proc);
    return CallWindowProcW(proc, tabs, message, wParam, lParam);
}

RestoreWindow::RestoreWindow(ProgramContext& ctx, MessageBoxPrompts& prompts, FileOpenDialog& dlgOpen,
                             BitmapCache& bitmaps, DescriptionFont& descriptionFont, std::function<void()> onRestored)
    : ctx_(ctx), prompts_(prompts), dlgOpen_(dlgOpen), onRestored_(std::move(onRestored)), dpi_(Dpi::OfScreen()),
      bitmaps_(bitmaps), descriptionFont_(descriptionFont) {}

void RestoreWindow::ShowModal(HWND owner) {
    owner_ = owner;
    if (!Handle()) {
        RegisterWindowClass(kClassName, LoadIconW(GetModuleHandleW(nullptr), L"MAINICON"));
        const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
        RECT bounds = {0, 0, dpi_(kRestoreClientWidth), dpi_(kRestoreClientHeight)};
        AdjustWindowRectEx(&bounds, style, FALSE, WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT);
        if (!CreateWindowOf(kClassName, L"保存と復元", style, WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT,
                            {0, 0, bounds.right - bounds.left, bounds.bottom - bounds.top}, owner))
            return;
    }
    CentreOver(Handle(), owner);
    ShowTab(page_);  // the page shown loads its description again
    prompts_.SetOwner(Handle());
    const bool ran = RunModal(Handle(), owner, Control(kPgRestore), [this] { return IsWindowVisible(Handle()) != FALSE; });
    prompts_.SetOwner(owner);
    if (ran) SetForegroundWindow(owner);
}

LRESULT RestoreWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            FormCreate();
            return 0;
        case WM_ERASEBKGND: {
            RECT client;
            GetClientRect(Handle(), &client);
            FillRect(reinterpret_cast<HDC>(wParam), &client, panelBrush_.Get());
            return 1;
        }
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN: {
            const int id = GetDlgCtrlID(reinterpret_cast<HWND>(lParam));
            const bool onPanel = id >= kPagePartFirst && id < kPagePartFirst + 20;
            if (message == WM_CTLCOLORSTATIC && !onPanel) break;  // a read-only box keeps its own look
            SetBkColor(reinterpret_cast<HDC>(wParam), panelColour_);
            return reinterpret_cast<LRESULT>(panelBrush_.Get());
        }
        case WM_DRAWITEM: {
            const auto& item = *reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
            if (auto it = looks_.find(static_cast<int>(item.CtlID)); it != looks_.end())
                DrawGlyphButton(item, it->second, panelColour_);
            if (auto it = pictures_.find(static_cast<int>(item.CtlID)); it != pictures_.end()) {
                FillRect(item.hDC, &item.rcItem, panelBrush_.Get());
                DrawKeyedBitmap(item.hDC, it->second, item.rcItem.left, item.rcItem.top);
            }
            return TRUE;
        }
        case WM_CLOSE:
            Close();
            return 0;
        case WM_CONTEXTMENU:
            // The description box shares the main window's search menu.
            if (reinterpret_cast<HWND>(wParam) == Control(kRestoreComment) && owner_)
                return SendMessageW(owner_, WM_CONTEXTMENU, wParam, lParam);
            break;
    }
    return Window::OnMessage(message, wParam, lParam);
}

void RestoreWindow::OnCommand(int id, int /*code*/) {
    switch (id) {
        case kBtnBackup: return BtnBackupClick();
        case kBtnRecovery: return BtnRecoveryClick();
        case kBtnBackupOE: return BtnBackupOEClick();
        case kBtnRecoveryOE: return BtnRecoveryOEClick();
        case kBtnPlanSave: return BtnPlanSaveClick();
        case kBtnPlanLoad: return BtnPlanLoadClick();
        case IDOK: return PressFocusedButton(Handle());  // Enter, where no button takes it itself
        case IDCANCEL: return Close();                     // the close button and Esc
    }
}

LRESULT RestoreWindow::OnNotify(const NMHDR& header) {
    if (header.idFrom == kPgRestore && header.code == TCN_SELCHANGE)
        ShowTab(static_cast<int>(SendMessageW(Control(kPgRestore), TCM_GETCURSEL, 0, 0)));
    return 0;
}

void RestoreWindow::FormCreate() {
    font_ = MakeFont(dpi_, 12);
    host_ = std::make_unique<RestorePageHost>(
        RestorePageHost{Handle(), ctx_, dpi_, font_.Get(), panelColour_, panelBrush_});
    // The pages after the two backup pages, each with its tab.
    pages_.clear();  // those of a making that failed
    pages_.push_back(std::make_unique<HistoryPage>(
        *host_, [this](const std::string& text) { SetWindowTextW(Control(kRestoreComment), win32::Widen(text).c_str()); },
        [this](const std::string& path, const std::string& alsoUndone) { RestoreChosen(path, alsoUndone); }));
    pages_.push_back(std::make_unique<EffectPage>(*host_));
    const Preferences prefs = PreferencesOf(ctx_);
    // The whole client area takes the stored RestoreColor, else the standard
    // button face, as the default colour style stores it.
    SetColour(prefs.Color(prefkey::kRestoreColor).value_or(kButtonFace));

    HWND tabs = MakeChild(Handle(), WC_TABCONTROLW, L"", WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS, kPgRestore, font_.Get());
    tabsLook_.proc = Subclass(tabs, kTabsProperty, &tabsLook_, &TabsProc);
    for (int page = 0; page < 2; ++page) {
        AddTab(tabs, page, kPages[page].tab);
        CreatePage(page);
    }
    for (size_t i = 0; i < pages_.size(); ++i) {
        AddTab(tabs, static_cast<int>(std::size(kPages) + i), pages_[i]->Caption());
        pages_[i]->Create();
        AddPart(*pages_[i]);
    }
    commentFont_ = MakeFont(dpi_, 13);
    HWND comment = MakeChild(Handle(), L"RichEdit20W", L"",
                             WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL, kRestoreComment,
                             commentFont_.Get(), WS_EX_CLIENTEDGE);
    SendMessageW(comment, EM_SETEVENTMASK, 0, 0);
    descriptionFont_.Follow([this](int points) {
        const Font old = std::move(commentFont_);  // deleted once the box has the new one
        commentFont_ = DescriptionFont::FaceAt(points, dpi_);
        SendMessageW(Control(kRestoreComment), WM_SETFONT, reinterpret_cast<WPARAM>(commentFont_.Get()), TRUE);
    });
    MakeChild(Handle(), L"BUTTON", L"プランを保存(&S)...", WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, kBtnPlanSave, font_.Get());
    MakeChild(Handle(), L"BUTTON", L"プランを読み込む(&L)...", WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, kBtnPlanLoad,
              font_.Get());
    MakeChild(Handle(), L"BUTTON", L"閉じる", WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, kBtnRestoreCancel, font_.Get());
    // Laid out for the stored page style.
    SetPageStyle(PageStyleFromText(prefs.Read(prefkey::kSettings, prefkey::kTabStyle)).value_or(PageStyle::Tabs));
    page_ = 0;
    SendMessageW(tabs, TCM_SETCURSEL, 0, 0);
}

void RestoreWindow::SetColour(int32_t colour) {
    panelColour_ = PaintColour(colour);
    panelBrush_.Reset(CreateSolidBrush(panelColour_));
    tabsLook_.brush = panelBrush_.Get();
    if (Handle()) RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void RestoreWindow::SetPageStyle(PageStyle style) {
    if (!Control(kPgRestore)) return;
    SetTabStyle(Control(kPgRestore), style);
    Layout();  // the pages' area depends on the style
    RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void RestoreWindow::CreatePage(int page) {
    const PageContents& parts = kPages[page];
    // Created in drawing order: the panel first, clipped by what stands on it.
    MakeChild(Handle(), L"STATIC", L"", WS_CLIPSIBLINGS, PartId(page, kPanel), font_.Get());
    MakeChild(Handle(), L"STATIC", parts.heading, SS_LEFT | SS_NOPREFIX, PartId(page, kHeading), font_.Get());
    for (int id : {parts.backupId, parts.restoreId}) {
        HWND button = CreateGlyphButton(Handle(), id, {0, 0, 0, 0});
        // Drawn by the program, named by its label for screen readers and automation.
        SetWindowTextW(button, id == parts.backupId ? parts.backupLabel : parts.restoreLabel);
        // Drawn in the sixteen standard colours on displays of 256 colours or fewer, as the other windows draw theirs.
        looks_[id] = {bitmaps_.ForScreen(id == parts.backupId ? "BackupImage" : "RestoreImage"), L"", nullptr, false, false};
    }
    MakeChild(Handle(), L"STATIC", parts.backupLabel, SS_LEFT | SS_NOPREFIX, PartId(page, kBackupLabel), font_.Get());
    MakeChild(Handle(), L"STATIC", parts.restoreLabel, SS_LEFT | SS_NOPREFIX, PartId(page, kRestoreLabel), font_.Get());
    MakeChild(Handle(), L"STATIC", L"", SS_OWNERDRAW, PartId(page, kPicture), font_.Get());
    pictures_[PartId(page, kPicture)] = bitmaps_.ForScreen(parts.picture);
}

void RestoreWindow::Layout() {
    // The page control says where its pages go for its tab style and font.
    RECT display = dpi_.Of(Rect{0, 0, kRestoreClientWidth, 104});
    SendMessageW(Control(kPgRestore), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
    const Rect panel{dpi_.ToDesign(display.left), dpi_.ToDesign(display.top),
                     dpi_.ToDesign(display.right - display.left), dpi_.ToDesign(display.bottom - display.top)};
    const RestoreLayout l = LayOutRestoreWindow(panel);
    Place(Control(kPgRestore), dpi_.Of(l.pages));
    for (int page = 0; page < 2; ++page) {
        const PageContents& parts = kPages[page];
        Place(Control(PartId(page, kPanel)), dpi_.Of(l.panel));
        Place(Control(PartId(page, kHeading)), dpi_.Of(l.page.heading));
        Place(Control(parts.backupId), dpi_.Of(l.page.backupButton));
        Place(Control(PartId(page, kBackupLabel)), dpi_.Of(l.page.backupLabel));
        Place(Control(parts.restoreId), dpi_.Of(l.page.restoreButton));
        Place(Control(PartId(page, kRestoreLabel)), dpi_.Of(l.page.restoreLabel));
        Place(Control(PartId(page, kPicture)), dpi_.Of(l.page.picture));
    }
    for (const auto& page : pages_) page->Place(l);
    Place(Control(kRestoreComment), dpi_.Of(l.comment));
    Place(Control(kBtnRestoreCancel), dpi_.Of(l.close));
    Place(Control(kBtnPlanSave), dpi_.Of(l.planSave));
    Place(Control(kBtnPlanLoad), dpi_.Of(l.planLoad));
}

void RestoreWindow::ShowTab(int page) {
    page_ = page;
    for (int p = 0; p < 2; ++p) {
        const int show = p == page ? SW_SHOW : SW_HIDE;
        for (int part = 0; part < kPartCount; ++part) ShowWindow(Control(PartId(p, static_cast<PagePart>(part))), show);
        ShowWindow(Control(kPages[p].backupId), show);
        ShowWindow(Control(kPages[p].restoreId), show);
    }
    // A page of its own fills the description box itself.
    for (size_t i = 0; i < pages_.size(); ++i) pages_[i]->Show(page == static_cast<int>(std::size(kPages) + i));
    if (page == 0) TbBriskoShow();
    else if (page == 1) TbOEShow();
}

void RestoreWindow::TbBriskoShow() {
    HWND comment = Control(kRestoreComment);
    SetWindowTextW(comment, win32::Widen(ctx_.platform.resources.Find("SaveRestoreText").value_or("")).c_str());
    if (marginsSet_) return;
    SendMessageW(comment, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(dpi_(3), dpi_(3)));
    marginsSet_ = true;
}

void RestoreWindow::TbOEShow() {
    SetWindowTextW(Control(kRestoreComment),
                   win32::Widen(ctx_.platform.resources.Find("SaveRestoreOEText").value_or("")).c_str());
}

void RestoreWindow::BtnBackupClick() {
    if (!ctx_.platform.prompts.Confirm("\r\nバックアップ ファイルを作成しますか？")) return;
    BusyWindow busy(Handle());
    CreateBackup(ctx_, PreferencesOf(ctx_).InformSuppressed());
}

void RestoreWindow::BtnRecoveryClick() {
    const std::string folder = ParentFolder(ctx_.paths.executable);
    const std::string backups = BackupsFolder(ctx_);
    const auto attributes = ctx_.platform.files.GetAttributes(backups);
    const bool haveBackups = attributes && (*attributes & fileattr::kDirectory);
    dlgOpen_.SetOwner(Handle());
    dlgOpen_.Set(L"復元するバックアップ ファイルを開く",
                 L"バックアップ ファイル (*.ini)|*.ini|すべてのファイル (*.*)|*.*");
    const auto chosen = dlgOpen_.Run(haveBackups ? backups : folder + "\\");
    if (!chosen) return;
    RestoreChosen(*chosen);
}

void RestoreWindow::RestoreChosen(const std::string& path, const std::string& alsoUndone) {
    if (!ConfirmRestore(ctx_, path, alsoUndone)) return;
    bool restored = false;
    {
        BusyWindow busy(Handle());
        restored = RunRestoreCommand(ctx_, path);
    }
    if (restored && onRestored_) onRestored_();
}

void RestoreWindow::BtnBackupOEClick() {
    BusyWindow busy(Handle());
    BackupMailRules(ctx_, {});  // the wait keeps the windows painted
}

void RestoreWindow::BtnRecoveryOEClick() {
    BusyWindow busy(Handle());
    RestoreMailRules(ctx_, {});
}

void RestoreWindow::BtnPlanSaveClick() {
    dlgOpen_.SetOwner(Handle());
    dlgOpen_.Set(L"プランを保存", kPlanFilter);
    const auto chosen = dlgOpen_.RunSave(ParentFolder(ctx_.paths.executable) + "\\", "brisko-plan.ini", L"ini");
    if (!chosen) return;
    WritePlanFile(ctx_, *chosen);
    if (!PreferencesOf(ctx_).InformSuppressed())
        ctx_.platform.prompts.Inform("\r\n今のチェックの状態をプランとして保存しました。\r\n\r\nファイル：" + *chosen);
}

void RestoreWindow::BtnPlanLoadClick() {
    dlgOpen_.SetOwner(Handle());
    dlgOpen_.Set(L"読み込むプランを開く", kPlanFilter);
    const auto chosen = dlgOpen_.Run(ParentFolder(ctx_.paths.executable) + "\\");
    if (!chosen) return;
    const PlanLoad load = LoadPlanFile(ctx_, *chosen);
    if (!load.recognised && !load.problem.empty()) return ctx_.platform.prompts.Warn("\r\n" + load.problem);
    if (!load.recognised) return ctx_.platform.prompts.Warn("\r\n選択されたファイルはプラン ファイルではありません。");
    UpdateItemCount(ctx_);
    if (onRestored_) onRestored_();  // the main window shows the new ticks
    if (!load.refused.empty()) return ctx_.platform.prompts.Warn(PlanRefusalMessage(load));
    if (!PreferencesOf(ctx_).InformSuppressed())
        ctx_.platform.prompts.Inform("\r\nプランを読み込みました。\r\n「高速化」を押すと設定が変更されます。");
}

void RestoreWindow::Close() { EndModal(Handle(), owner_); }

}  // namespace brisko::ui
