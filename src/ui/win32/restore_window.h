#pragma once
// The save-and-restore window (class "TFrmRestore"): a page for backups of
// the Windows settings, a page for the Outlook Express mail rules, and a
// description box. Created at first use, shown modally over the main window
// and hidden, not destroyed, when closed.
#include <windows.h>

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "engine/program_context.h"
#include "prefs/appearance.h"
#include "ui/restore_layout.h"
#include "ui/win32/bitmap_cache.h"
#include "ui/win32/description_font.h"
#include "ui/win32/dpi.h"
#include "ui/win32/file_dialog.h"
#include "ui/win32/glyph_button.h"
#include "ui/win32/restore_page.h"
#include "ui/win32/message_box_prompts.h"
#include "ui/win32/window.h"

namespace brisko::ui {

class RestoreWindow final : public Window {
public:
    // onRestored runs after a restore has changed the machine, or a plan the
    // ticks, so the main window can show the new state.
    RestoreWindow(ProgramContext& ctx, MessageBoxPrompts& prompts, FileOpenDialog& dlgOpen, BitmapCache& bitmaps,
                  DescriptionFont& descriptionFont, std::function<void()> onRestored);
    // Creates the window on first use; returns once the user has closed it.
    void ShowModal(HWND owner);
    // What the options window changes on it, whether shown or hidden: the
    // colour of the whole client area (a stored colour), and the page
    // control's style. (Its description follows the DescriptionFont.)
    void SetColour(int32_t colour);
    void SetPageStyle(PageStyle style);

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnCommand(int id, int code) override;
    LRESULT OnNotify(const NMHDR& header) override;

private:
    void FormCreate();
    void CreatePage(int page);
    void Layout();
    void ShowTab(int page);
    void TbBriskoShow();
    void TbOEShow();
    void BtnBackupClick();
    void BtnRecoveryClick();
    void RestoreChosen(const std::string& path, const std::string& alsoUndone = "");
    void BtnBackupOEClick();
    void BtnRecoveryOEClick();
    void BtnPlanSaveClick();
    void BtnPlanLoadClick();
    void Close();
    HWND Control(int id) const { return GetDlgItem(Handle(), id); }
    static LRESULT CALLBACK TabsProc(HWND tabs, UINT message, WPARAM wParam, LPARAM lParam);

    ProgramContext& ctx_;
    MessageBoxPrompts& prompts_;
    FileOpenDialog& dlgOpen_;
    std::function<void()> onRestored_;
    HWND owner_ = nullptr;
    Dpi dpi_;
    BitmapCache& bitmaps_;
    DescriptionFont& descriptionFont_;
    Font font_, commentFont_;
    COLORREF panelColour_ = 0;
    Brush panelBrush_;
    // What the page control paints with, and its own procedure (TabsProc).
    struct TabsLook {
        WNDPROC proc = nullptr;
        HBRUSH brush = nullptr;
    } tabsLook_;
    std::map<int, ButtonLook> looks_;
    std::map<int, HBITMAP> pictures_;
    std::unique_ptr<RestorePageHost> host_;
    std::vector<std::unique_ptr<RestorePage>> pages_;  // after the backup pages: 履歴, 効果
    int page_ = 0;
    bool marginsSet_ = false;
};

}  // namespace brisko::ui
