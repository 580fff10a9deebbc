#pragma once
// The main window (class "TFrmMain"): painted title bar with the banner and
// tool buttons, the side menu, the page control with the pages (each a part
// of the window: the check lists, the utilities page, the PC information
// page), the glue row and the description box. Its creation runs the
// program's start-up. Its members are defined in main_window*.cpp, by concern.
#include <windows.h>

#include <array>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "engine/program_context.h"
#include "ui/control_ids.h"
#include "ui/main_layout.h"
#include "ui/win32/appearance_target.h"
#include "ui/win32/bitmap_cache.h"
#include "ui/win32/check_list.h"
#include "ui/win32/compact_window.h"
#include "ui/win32/context_menus.h"
#include "ui/win32/description_font.h"
#include "ui/win32/dpi.h"
#include "ui/win32/file_dialog.h"
#include "ui/win32/glyph_button.h"
#include "ui/win32/message_box_prompts.h"
#include "ui/win32/options_window.h"
#include "ui/win32/pc_info_page.h"
#include "ui/win32/restore_window.h"
#include "ui/win32/tooltips.h"
#include "ui/win32/tray_icon.h"
#include "ui/win32/utility_page.h"
#include "ui/win32/window.h"

namespace brisko::ui {

class MainWindow final : public Window, public AppearanceTarget {
public:
    MainWindow(ProgramContext& ctx, MessageBoxPrompts& prompts);
    void Create();

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnCommand(int id, int code) override;
    LRESULT OnNotify(const NMHDR& header) override;

private:
    struct Fonts {
        Font menu, bold, glue, comment, list;
    };

    void FormCreate();
    void CreateControls();
    void LoadBitmaps();
    // The search and copy menus, made at their first use.
    ContextMenus& Menus();
    void RunStartup();
    // A page, made and filled when first shown: a check list, the utilities
    // page or the PC information page.
    void OpenPage(int page);
    CheckList& OpenCheckList(int page);
    void OpenUtilityPage();
    void OpenPcInfoPage();
    // The page's part, or nullptr before it is made.
    ChildPart* Page(int page) const;
    void FillTextList(int page, const char* resource);
    void LoadAppearance();
    void Layout();
    void LimitSize(MINMAXINFO& info) const;
    void Paint(HDC dc);
    void DrawItem(const DRAWITEMSTRUCT& item);
    HWND Control(int id) const { return GetDlgItem(Handle(), id); }

    // Handlers named after the controls they serve.
    void TitleMouseDown();
    void BtnMaximizeClick();
    void BtnMinimumClick();
    void BtnTopClick();
    void BtnTrayClick();
    void TrayCallback(LPARAM mouseMessage);
    void LeaveTray();
    void ComeForward();
    // A button's hint, which a picture-only button also carries as its text.
    void SetHint(int id, const wchar_t* hint);
    void BtnCloseClick();
    void BtnAccelerateClick();
    void BtnRestoreClick();
    void ShowPage(int page);
    void UpdateCountLabel();
    void RefreshLists();
    void ListSelect(int page);
    void ShowPlainDescription(const std::string& text);
    // The context menus: the search menu on a description box, the copy menu on a list.
    bool ContextPopup(HWND control, POINT screen);
    // Ctrl+C in a list copies its selected entry; whether the key was that.
    bool ListKey(HWND list, UINT key);
    void CommentNotify(const NMHDR& header);
    void SetReferenceLink(const std::string& link);
    void BtnMoreInfoClick();
    void OpenAddress(const std::string& address) override;
    void BtnOptionClick();
    void BtnHelpClick();
    void ImgAboutClick();
    // The options window, made at first use; nullptr when it could not be made.
    OptionsWindow* FrmSub();
    void ShowCompact(bool performance);

    // What the options window changes.
    HWND OwnerWindow() const override { return Handle(); }
    int Alpha() const override { return alpha_; }
    void SetAlpha(int alpha) override;
    std::array<int32_t, 3> PanelColours() const override { return panelColours_; }
    void SetPanelColours(const std::array<int32_t, 3>& colours) override;
    void SetWindowColours(int32_t restore, int32_t compact) override;
    FileOpenDialog& OpenDialog() override { return dlgOpen_; }
    PageStyle PagesStyle() const override { return pageStyle_; }
    void SetPagesStyle(PageStyle style, bool showTabs) override;
    void ItemAvailabilityChanged() override;
    COLORREF AccelColour() const { return PaintColour(panelColours_[2]); }

    ProgramContext& ctx_;
    MessageBoxPrompts& prompts_;
    Dpi dpi_;
    bool smallScreen_ = false;
    bool showTabs_ = false;
    TrayIcon tray_;
    int currentPage_ = 0;
    UINT taskbarCreated_ = 0;
    UINT comeForward_ = 0;
    MainLayout layout_;
    BitmapCache bitmaps_;               // for this window and those it opens
    DescriptionFont descriptionFont_;  // likewise
    Fonts fonts_;
    std::map<int, ButtonLook> looks_;
    std::unique_ptr<Tooltips> tips_;                         // made once the window shows, from hints_
    std::vector<std::pair<HWND, std::wstring>> hints_;
    std::array<std::unique_ptr<CheckList>, kUtilityPage> checkLists_;  // System ... Others, Service; made when first shown
    std::unique_ptr<UtilityPage> utilityPage_;               // the controls over the utilities list
    std::unique_ptr<PcInfoPage> pcInfoPage_;
    std::unique_ptr<ContextMenus> menus_;
    bool descriptionFontPending_ = false;
    std::string referenceLink_;
    // Title bar, side menu and settings panel.
    std::array<int32_t, 3> panelColours_;
    Brush accelBrush_;
    int alpha_ = 255;
    PageStyle pageStyle_ = PageStyle::Tabs;
    std::unique_ptr<OptionsWindow> frmSub_;
    FileOpenDialog dlgOpen_;
    std::unique_ptr<RestoreWindow> frmRestore_;  // made at first use, kept for the run
    std::unique_ptr<CompactWindow> frmCompact_;  // likewise
};

}  // namespace brisko::ui
