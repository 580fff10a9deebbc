#pragma once
// A part of a window: a group of its child controls with their behaviour (a
// list, a page, the boxes beside a list), in a file of its own. The window
// makes it, adds it (Window::AddPart) and from then on hands it what its
// controls send the window (WM_COMMAND, WM_NOTIFY, WM_MEASUREITEM,
// WM_DRAWITEM and WM_CTLCOLOR*) before it looks at them itself, as
// SumatraPDF reflects messages to its controls. What the part leaves
// unhandled goes on to the window.
#include <windows.h>

namespace brisko::ui {

class ChildPart {
public:
    ChildPart() = default;
    virtual ~ChildPart() = default;
    ChildPart(const ChildPart&) = delete;
    ChildPart& operator=(const ChildPart&) = delete;

    // Whether the control is one of the part's.
    virtual bool Owns(HWND control) const = 0;
    // Shows or hides the part's controls.
    virtual void Show(bool visible) = 0;

    // The messages of the part's controls; each returns whether it handled
    // the message.
    virtual bool OnCommand(int /*id*/, int /*code*/) { return false; }
    virtual bool OnNotify(const NMHDR& /*header*/, LRESULT& /*result*/) { return false; }
    virtual bool OnMeasureItem(MEASUREITEMSTRUCT& /*item*/) { return false; }
    virtual bool OnDrawItem(const DRAWITEMSTRUCT& /*item*/) { return false; }
    // The brush for the control's background, its colours set in dc;
    // nullptr leaves the control to the window.
    virtual HBRUSH OnCtlColor(HWND /*control*/, HDC /*dc*/) { return nullptr; }
};

}  // namespace brisko::ui
