#pragma once
// The options window (class "TFrmSub", caption "オプション"): four pages
// under one tab row, shown modally over the main window. It is created at
// first use and kept, hidden, for the rest of the run; a later opening shows
// what the user last left there.
#include <windows.h>

#include <array>
#include <memory>

#include "engine/program_context.h"
#include "ui/options_ids.h"
#include "ui/options_layout.h"
#include "ui/win32/appearance_target.h"
#include "ui/win32/bitmap_cache.h"
#include "ui/win32/customize_page.h"
#include "ui/win32/disabling_page.h"
#include "ui/win32/dpi.h"
#include "ui/win32/general_page.h"
#include "ui/win32/message_box_prompts.h"
#include "ui/win32/tooltips.h"
#include "ui/win32/version_page.h"
#include "ui/win32/window.h"

namespace brisko::ui {

class OptionsWindow final : public Window {
public:
    OptionsWindow(ProgramContext& ctx, AppearanceTarget& main, DescriptionFont& descriptionFont, MessageBoxPrompts& prompts,
                  BitmapCache& bitmaps);
    void Create();
    // Shows the window modally on the page given, or on the page it showed last
    // (-1), and returns once it is closed.
    void ShowModal(int page = -1);
    // Redraws the page rows of the main window and of this window in new colours.
    void RefreshPageStyles();

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnCommand(int id, int code) override;
    LRESULT OnNotify(const NMHDR& header) override;

private:
    void FormCreate();
    void ShowPage(int page);
    void BtnHiddenClick();
    void SetColour(int32_t colour);
    void SetPageStyle(PageStyle style);
    void Close();
    void DrawItem(const DRAWITEMSTRUCT& item);

    ProgramContext& ctx_;
    AppearanceTarget& main_;
    DescriptionFont& descriptionFont_;
    MessageBoxPrompts& prompts_;
    Dpi dpi_;
    BitmapCache& bitmaps_;
    Font font_;
    int32_t colour_;
    Brush brush_;
    int page_ = 0;
    bool customizeShown_ = false;
    bool open_ = false;
    std::unique_ptr<Tooltips> tips_;
    std::unique_ptr<OptionsHost> host_;
    std::array<std::unique_ptr<OptionsPage>, kOptionsPageCount> pages_;
    VersionPage* version_ = nullptr;      // among the pages: its links
    CustomizePage* customize_ = nullptr;  // and its swatches and scroll bar
};

}  // namespace brisko::ui
