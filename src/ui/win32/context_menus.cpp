#include "ui/win32/context_menus.h"

#include <cstring>

#include "platform/win32/wide.h"
#include "ui/control_ids.h"
#include "ui/web_search.h"
#include "ui/win32/glyph_button.h"
#include "ui/win32/rich_text.h"
#include "ui/win32/window_chores.h"

namespace brisko::ui {

namespace {
// A copy of a picture with its see-through magenta filled in the menu colour.
Bitmap OnMenuColour(HBITMAP keyed) {
    const SIZE size = BitmapSize(keyed);
    if (!size.cx) return {};
    const WindowDc screen;
    Bitmap copy(CreateCompatibleBitmap(screen, size.cx, size.cy));
    const MemoryDc dc(screen);
    const Selection drawn(dc, copy.Get());
    const RECT all = {0, 0, size.cx, size.cy};
    FillRect(dc, &all, GetSysColorBrush(COLOR_MENU));
    DrawKeyedBitmap(dc, keyed, 0, 0);
    return copy;
}

void AddItem(HMENU menu, int id, const std::wstring& caption, HBITMAP picture, HMENU submenu = nullptr) {
    MENUITEMINFOW item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_ID | MIIM_STRING | MIIM_BITMAP | (submenu ? MIIM_SUBMENU : 0);
    item.wID = static_cast<UINT>(id);
    item.dwTypeData = const_cast<wchar_t*>(caption.c_str());
    item.hbmpItem = picture;
    item.hSubMenu = submenu;
    InsertMenuItemW(menu, GetMenuItemCount(menu), TRUE, &item);
}

// Puts the text on the clipboard as Unicode text; a failure is not reported.
void CopyToClipboard(HWND owner, const std::string& text) {
    const std::wstring wide = win32::Widen(text);
    const size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (!memory) return;
    if (void* target = GlobalLock(memory)) {
        std::memcpy(target, wide.c_str(), bytes);
        GlobalUnlock(memory);
    }
    if (!OpenClipboard(owner)) {
        GlobalFree(memory);
        return;
    }
    EmptyClipboard();
    if (!SetClipboardData(CF_UNICODETEXT, memory)) GlobalFree(memory);
    CloseClipboard();
}

}  // namespace

ContextMenus::ContextMenus(HWND owner, ProcessLauncher& processes, BitmapCache& bitmaps)
    : owner_(owner),
      processes_(processes),
      copyMenu_(CreatePopupMenu()),
      searchMenu_(CreatePopupMenu()),
      searchItems_(CreatePopupMenu()) {
    auto picture = [&](const char* name) { return pictures_.emplace_back(OnMenuColour(bitmaps.Get(name))).Get(); };
    AddItem(copyMenu_, kMenuItemCopy, L"コピー(&C)\tCtrl+C", picture("CopyImage"));
    for (size_t i = 0; i < kSearchProviders.size(); ++i)
        AddItem(searchItems_, kSearchFirst + static_cast<int>(i), win32::Widen(SearchProviderCaption(kSearchProviders[i])),
                picture(SearchProviderImage(kSearchProviders[i])));
    AddItem(searchMenu_, 0, L"選択範囲を検索", picture("SearchImage"), searchItems_);
}

ContextMenus::~ContextMenus() {
    DestroyMenu(copyMenu_);
    DestroyMenu(searchMenu_);  // with its submenu
}

int ContextMenus::Track(HMENU menu, HWND control, POINT screen) const {
    if (screen.x == -1 && screen.y == -1) {
        // From the keyboard: at the control's top left corner.
        RECT r;
        GetWindowRect(control, &r);
        screen = {r.left + 8, r.top + 8};
    }
    return static_cast<int>(TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY,
                                           screen.x, screen.y, 0, GetParent(control), nullptr));
}

bool ContextMenus::CommentContextPopup(HWND comment, POINT screen) {
    searchText_ = SelectedRichText(comment);
    if (searchText_.empty()) return false;
    MENUITEMINFOW head{};
    head.cbSize = sizeof head;
    head.fMask = MIIM_STRING;
    const std::wstring caption = win32::Widen(SearchMenuCaption(searchText_));
    head.dwTypeData = const_cast<wchar_t*>(caption.c_str());
    SetMenuItemInfoW(searchMenu_, 0, TRUE, &head);
    const int chosen = Track(searchMenu_, comment, screen) - kSearchFirst;
    if (chosen >= 0 && chosen < static_cast<int>(kSearchProviders.size()))
        WebSearch(processes_, kSearchProviders[chosen], searchText_);
    return true;
}

bool ContextMenus::ListBoxContextPopup(HWND list, POINT screen) {
    copyText_ = SelectedListLine(list);
    if (copyText_.empty()) return false;
    if (Track(copyMenu_, list, screen) == kMenuItemCopy) MenuItemCopyClick();
    return true;
}

void ContextMenus::CopyListSelection(HWND list) {
    copyText_ = SelectedListLine(list);
    MenuItemCopyClick();
}

void ContextMenus::MenuItemCopyClick() const {
    if (!copyText_.empty()) CopyToClipboard(owner_, copyText_);
}

}  // namespace brisko::ui
