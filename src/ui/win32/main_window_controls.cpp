// The main window's controls and the pictures of its buttons.
#include "ui/win32/main_window.h"

#include <commctrl.h>
#include <richedit.h>
#include <algorithm>

#include "ui/win32/main_window_tables.h"
#include "ui/win32/window_chores.h"

namespace brisko::ui {

using namespace main_window;

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
    addButtons(kPageButtons, fonts_.menu.Get(), true);
    addButtons(kActionButtons, fonts_.bold.Get(), true);  // the action buttons are bold at every DPI

    HWND tabs = MakeChild(Handle(), WC_TABCONTROLW, L"", WS_CLIPSIBLINGS, kPgAccelTabs, fonts_.menu.Get());
    for (int i = 0; i < kPageCount; ++i) {
        AddTab(tabs, i, kPageButtons[i].caption);
        if (i == 0) {
            OpenCheckList(0);  // the others when their page is first shown
        } else if (i >= 6) {
            // The utilities page draws its own lines, to keep them clear of the controls over them.
            const DWORD drawn = i == 6 ? LBS_OWNERDRAWFIXED | LBS_HASSTRINGS : 0;
            HWND list = MakeChild(Handle(), L"LISTBOX", L"",
                                  WS_VSCROLL | WS_TABSTOP | LBS_NOINTEGRALHEIGHT | LBS_NOTIFY | LBS_WANTKEYBOARDINPUT | drawn,
                                  kListFirst + i, fonts_.list.Get());
            SendMessageW(list, LB_SETITEMHEIGHT, 0, dpi_(18));
        }
    }
    // The utilities and PC information pages make their controls when first shown (OpenUtilityPage, OpenPcInfoPage).

    MakeChild(Handle(), L"STATIC", L"※ 未チェック %d / 全項目 %d", WS_VISIBLE | SS_LEFT, kLblCount, fonts_.menu.Get());
    HWND moreInfo = CreateGlyphButton(Handle(), kBtnMoreInfo, {0, 0, 0, 0});
    hints_.emplace_back(moreInfo, L"関連情報を表示");
    SetWindowTextW(moreInfo, L"関連情報を表示");
    looks_[kBtnMoreInfo] = {};
    HWND accelerate = CreateGlyphButton(Handle(), kBtnAccelerate, {0, 0, 0, 0});
    hints_.emplace_back(accelerate, L"チェックされた項目の設定を変更する");
    SetWindowTextW(accelerate, L"高速化");
    looks_[kBtnAccelerate] = {nullptr, L"高速化", fonts_.glue.Get(), false, false};
    hints_.emplace_back(MakeChild(Handle(), L"STATIC", L"", WS_VISIBLE | SS_NOTIFY | SS_OWNERDRAW, kImgAbout, nullptr),
                        L"クリックでバージョン情報を表示");
    MakeChild(Handle(), L"STATIC", L"■ 解説", WS_VISIBLE | SS_LEFT, kLblComment, fonts_.menu.Get());
    HWND comment = MakeChild(Handle(), L"RichEdit20W", L"",
                             WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL, kComment,
                             fonts_.comment.Get(), WS_EX_CLIENTEDGE);
    // Web addresses in descriptions are links; changes are reported too.
    SendMessageW(comment, EM_AUTOURLDETECT, TRUE, 0);
    const LRESULT mask = SendMessageW(comment, EM_GETEVENTMASK, 0, 0);
    SendMessageW(comment, EM_SETEVENTMASK, 0, mask | ENM_LINK | ENM_CHANGE);
}

// The buttons' pictures in the size drawn nearest the screen's DPI: the tool
// buttons' and the glyphs' from 16 pixels, the side menu's from 24. Those of
// kReducedGlyphs are drawn in 16 colours on displays of 256 colours or fewer.
void MainWindow::LoadBitmaps() {
    auto picture = [&](int id, const char* name, int designSize) {
        const std::string resource = dpi_.Picture(name, designSize);
        const bool reduced = std::find(std::begin(kReducedGlyphs), std::end(kReducedGlyphs), id) != std::end(kReducedGlyphs);
        looks_[id].glyph = reduced ? bitmaps_.ForScreen(resource) : bitmaps_.Get(resource);
    };
    for (const ButtonSpec& s : kToolButtons) picture(s.id, s.bitmap, 16);
    for (const ButtonSpec& s : kPageButtons) picture(s.id, s.bitmap, 24);
    for (const ButtonSpec& s : kActionButtons) picture(s.id, s.bitmap, 24);
    picture(kBtnAccelerate, "AppIconImage", 24);
    picture(kBtnMoreInfo, "InfoBaloonImage", 16);
    bitmaps_.Get("BannerImage");
    bitmaps_.Get("LogoImage");
}

ContextMenus& MainWindow::Menus() {
    if (!menus_)
        menus_ = std::make_unique<ContextMenus>(Handle(), ctx_.platform.processes, bitmaps_);
    return *menus_;
}


}  // namespace brisko::ui
