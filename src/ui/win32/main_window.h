#pragma once
// The main window (class "TFrmMain"): painted title bar with the banner and
// tool buttons, the side menu, the page control with the lists, the glue row
// and the description box. Its creation runs the program's start-up.
#include <windows.h>

#include <array>
#include <map>
#include <memory>

#include "engine/program_context.h"
#include "ui/control_ids.h"
#include "ui/main_layout.h"
#include "ui/win32/check_list.h"
#include "ui/win32/dpi.h"
#include "ui/win32/file_dialog.h"
#include "ui/win32/glyph_button.h"
#include "ui/win32/message_box_prompts.h"
#include "ui/win32/restore_window.h"
#include "ui/win32/tooltips.h"
#include "ui/win32/window.h"

namespace brisko::ui {

class MainWindow final : public Window {
public:
    MainWindow(ProgramContext& ctx, MessageBoxPrompts& prompts);
    ~MainWindow() override;
    void Create();

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    struct Fonts {
        HFONT menu = nullptr, bold = nullptr, glue = nullptr, comment = nullptr, list = nullptr;
    };

    void FormCreate();
    void CreateControls();
    void LoadBitmaps();
    void RunStartup();
    void FillLists();
    void ApplyStoredAppearance();
    void Layout();
    void Paint(HDC dc);
    void DrawItem(const DRAWITEMSTRUCT& item);
    void Command(int id);
    HWND Control(int id) const { return GetDlgItem(Handle(), id); }

    // Handlers named after the controls they serve.
    void TitleMouseDown();
    void BtnMaximizeClick();
    void BtnMinimumClick();
    void BtnTopClick();
    void BtnTrayClick();
    void TrayCallback(LPARAM mouseMessage);
    void BtnCloseClick();
    void BtnAccelerateClick();
    void BtnRestoreClick();
    void ShowPage(int page);
    void TabSheetShow(int page);
    void UpdateCountLabel();
    void RefreshLists();
    void ListSelect(int page);
    void ShowPlainDescription(const std::string& text);
    void CommentNotify(const NMHDR& header);
    void SetReferenceLink(const std::string& link);
    void BtnMoreInfoClick();
    void OpenAddress(const std::string& address);

    ProgramContext& ctx_;
    MessageBoxPrompts& prompts_;
    Dpi dpi_;
    bool smallScreen_ = false;
    bool showTabs_ = false;
    bool inTray_ = false;
    int currentItemList_ = 0;
    UINT taskbarCreated_ = 0;
    MainLayout layout_;
    Fonts fonts_;
    std::map<int, ButtonLook> looks_;
    std::map<std::string, HBITMAP> bitmaps_;
    std::unique_ptr<Tooltips> tips_;
    std::array<std::unique_ptr<CheckList>, 6> checkLists_;  // System ... Others, Service
    bool descriptionFontPending_ = false;
    std::string referenceLink_;
    FileOpenDialog dlgOpen_;
    std::unique_ptr<RestoreWindow> frmRestore_;  // made at first use, kept for the run
};

}  // namespace brisko::ui
