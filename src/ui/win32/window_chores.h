#pragma once
// The chores of the program's windows, written once: a font, the child
// controls made and placed, a tab, a control's text read back, a window
// centred over its owner, the hour-glass, a modal run, a drag by the
// caption, and a control's procedure replaced (subclassing).
#include <windows.h>

#include <functional>
#include <string>

#include "ui/win32/dpi.h"
#include "ui/win32/scoped_gdi.h"

namespace brisko::ui {

// A font of a height in design pixels at the DPI.
Font MakeFont(const Dpi& dpi, int pixels, bool bold = false, const wchar_t* face = L"Tahoma");

// A child control (WS_CHILD is added) with its font (none: the system's),
// at its place in device pixels, or nowhere until placed.
HWND MakeChild(HWND parent, const wchar_t* cls, const std::wstring& text, DWORD style, int id, HFONT font,
               DWORD exStyle = 0, const RECT& place = {});
void Place(HWND control, const RECT& r);
// Adds a tab with the caption at the index of a tab control.
void AddTab(HWND tabs, int index, const wchar_t* caption);

// A control's text, as UTF-8.
std::string WindowText(HWND control);
// A line of a list box; and the selected line as UTF-8, "" when none is.
std::wstring ListLine(HWND list, int index);
std::string SelectedListLine(HWND list);

// Moves a window, without activating it, so that it stands centred over its
// owner, or over the screen without one; keepOnScreen keeps its top left
// corner on the screen.
void CentreOver(HWND window, HWND owner, bool keepOnScreen = false);

// The hour-glass for the scope; the cursor before it comes back after.
class BusyCursor {
public:
    BusyCursor() : previous_(SetCursor(LoadCursorW(nullptr, IDC_WAIT))) {}
    ~BusyCursor() { SetCursor(previous_); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

private:
    HCURSOR previous_;
};

// Runs a window modally over its owner (which may be none): the owner is
// closed to input, the window shown in front with the focus on `focus`, and
// the loop runs while stillOpen() holds. The owner takes input again before
// the window hides, so that it is the one activated. False when the program
// was told to end meanwhile (see RunModalLoop).
bool RunModal(HWND window, HWND owner, HWND focus, const std::function<bool()>& stillOpen);
// Ends such a run from within: the owner first, then the window hides, and
// the loop is woken to see it.
void EndModal(HWND window, HWND owner);
// The message loop of a modal window: runs while stillOpen() holds, with the
// keys acting within the window as in a dialog. When the program is told to
// end meanwhile, it passes that on to the outer loop and returns false.
bool RunModalLoop(HWND window, const std::function<bool()>& stillOpen);
// Enter in a window without a default button: the focused button of the
// window, if a button has the focus, is pressed.
void PressFocusedButton(HWND window);

// Moves a window by its caption, as a press on the caption would: for a
// window that draws none of its own.
void DragByCaption(HWND window);

// Puts proc in place of a control's own procedure, keeping data under the
// property (found again with GetPropW); returns the control's own procedure.
// A subclass this way works with every common controls version, down to
// Windows 2000's. Undone by Unsubclass, at WM_NCDESTROY at the latest.
WNDPROC Subclass(HWND control, const wchar_t* property, void* data, WNDPROC proc);
void Unsubclass(HWND control, const wchar_t* property, WNDPROC original);

}  // namespace brisko::ui
