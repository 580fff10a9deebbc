#pragma once
// The two pop-up menus of the main window: the search menu of a description
// box, shown only when text is selected there, and the copy menu of the
// lists, which copies the selected entry's text. Each is opened by the
// program from a control's context-menu event, never by itself.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/processes.h"

namespace brisko::ui {

class ContextMenus {
public:
    // bitmap gives the menu pictures by resource name.
    ContextMenus(HWND owner, ProcessLauncher& processes, const std::function<HBITMAP(const char*)>& bitmap);
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
    std::vector<HBITMAP> pictures_;  // the menu's pictures, owned here
    std::string searchText_;  // the selection when the search menu last opened
    std::string copyText_;    // the entry's text when the copy menu last opened
};

}  // namespace brisko::ui
