#pragma once
// A page of the save-and-restore window beyond its two backup pages (履歴,
// and any page added after it), in a file of its own: a part of the window
// with its own tab. It makes its controls once, is placed in the page area,
// and shows while its tab is chosen; its statics and buttons lie on the
// page's panel, in the window's colour.
#include <windows.h>

#include "engine/program_context.h"
#include "ui/restore_layout.h"
#include "ui/win32/child_part.h"
#include "ui/win32/dpi.h"
#include "ui/win32/scoped_gdi.h"

namespace brisko::ui {

// What the window lends its pages.
struct RestorePageHost {
    HWND window;
    ProgramContext& ctx;
    const Dpi& dpi;
    HFONT font;
    // The panel's colour and brush, which follow the window's colour.
    const COLORREF& panelColour;
    const Brush& panelBrush;

    // A control on the panel: its background in the panel's colour.
    HBRUSH OnPanel(HDC dc) const {
        SetBkColor(dc, panelColour);
        return panelBrush.Get();
    }
};

class RestorePage : public ChildPart {
public:
    explicit RestorePage(const RestorePageHost& host) : host_(host) {}

    // The caption of the page's tab.
    virtual const wchar_t* Caption() const = 0;
    virtual void Create() = 0;
    // Into the window's layout: the page's area is layout.panel.
    virtual void Place(const RestoreLayout& layout) = 0;

protected:
    HWND Item(int id) const { return GetDlgItem(host_.window, id); }

    const RestorePageHost& host_;
};

}  // namespace brisko::ui
