#pragma once
// The two pop-up menus of the main window: the search menu of a description
// box, shown only when text is selected there, and the copy menu of the
// lists, which copies the selected entry's text. Each is opened by the
// program from a control's context-menu event, never by itself.
#include <windows.h>

#include <string>
#include <vector>

#include "platform/processes.h"
#include "ui/win32/bitmap_cache.h"

namespace brisko::ui {

class ContextMenus {
public:
    // The menu pictures come from bitmaps.
    ContextMenus(HWND owner, ProcessLauncher& processes, BitmapCache& bitmaps);
    ~ContextMenus();
    ContextMenus(const ContextMenus&) = delete;
    ContextMenus& operator=(const ContextMenus&) = delete;

    // The search menu for a rich edit box, at the screen point of a
    // WM_CONTEXTMENU (-1, -1 from the keyboard: at the box). Nothing shows
    // without a selection. Whether the menu was shown.
    bool CommentContextPopup(HWND comment, POINT screen);
    // The copy menu for a list box: only when an entry is selected, whose
    // text it then copies. Whether the menu was shown.
    bool ListBoxContextPopup(HWND list, POINT screen);
    // Ctrl+C in a list: copies the entry selected there now.
    void CopyListSelection(HWND list);

private:
    int Track(HMENU menu, HWND control, POINT screen) const;
    void MenuItemCopyClick() const;

    HWND owner_;
    ProcessLauncher& processes_;
    HMENU copyMenu_, searchMenu_, searchItems_;
    std::vector<Bitmap> pictures_;  // the menu's pictures, on the menu colour
    std::string searchText_;  // the selection when the search menu last opened
    std::string copyText_;    // the entry's text when the copy menu last opened
};

}  // namespace brisko::ui
