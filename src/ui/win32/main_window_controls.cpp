// The main window's controls and the pictures of its buttons.
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
#include "ui/win32/main_window_tables.h"

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

}  // namespace brisko::ui
