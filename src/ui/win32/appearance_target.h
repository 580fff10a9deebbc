#pragma once
// What the options window reads from and changes on the main window:
// transparency, panel colours, page style and tabs, and the availability of
// its entries. The main window hands the colours and page style on to its
// save-and-restore and compact windows where they exist. (The descriptions'
// size goes its own way: description_font.h.)
#include <windows.h>

#include <array>
#include <cstdint>
#include <string>

#include "prefs/appearance.h"
#include "ui/win32/file_dialog.h"

namespace brisko::ui {

// The stored colour of the standard button face (clBtnFace).
inline constexpr int32_t kButtonFace = static_cast<int32_t>(0xFF00000F);

class AppearanceTarget {
public:
    virtual ~AppearanceTarget() = default;
    virtual HWND OwnerWindow() const = 0;
    virtual int Alpha() const = 0;  // 255 when opaque
    virtual void SetAlpha(int alpha) = 0;
    // Title bar, side menu and settings panel, as stored colours.
    virtual std::array<int32_t, 3> PanelColours() const = 0;
    virtual void SetPanelColours(const std::array<int32_t, 3>& colours) = 0;
    // The save-and-restore and compact windows' colours, as stored colours.
    virtual void SetWindowColours(int32_t restore, int32_t compact) = 0;
    virtual PageStyle PagesStyle() const = 0;
    virtual void SetPagesStyle(PageStyle style, bool showTabs) = 0;
    // After the item-enabling pass ran again: redraw the entries.
    virtual void ItemAvailabilityChanged() = 0;
    virtual void OpenAddress(const std::string& address) = 0;
    // The one file-open dialog, whose filter choice and folder are shared.
    virtual FileOpenDialog& OpenDialog() = 0;
};

// Paints with a stored colour: system colours are looked up.
COLORREF PaintColour(int32_t colour);
// Gives a page control the look of the page style (tabs, buttons or flat
// buttons); the caller lays out what depends on it.
void SetTabStyle(HWND tabs, PageStyle style);

}  // namespace brisko::ui
