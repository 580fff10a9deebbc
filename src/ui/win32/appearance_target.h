#pragma once
// What the options window reads from and changes on the main window: the
// description font, transparency, panel colours, page style and tabs, and the
// availability of its entries.
#include <windows.h>

#include <array>
#include <cstdint>
#include <string>

#include "prefs/appearance.h"

namespace brisko::ui {

class AppearanceTarget {
public:
    virtual ~AppearanceTarget() = default;
    virtual HWND OwnerWindow() const = 0;
    virtual int DescriptionFontSize() const = 0;  // points
    virtual void SetDescriptionFontSize(int points) = 0;
    virtual int Alpha() const = 0;  // 255 when opaque
    virtual void SetAlpha(int alpha) = 0;
    // Title bar, side menu and settings panel, as stored colours.
    virtual std::array<int32_t, 3> PanelColours() const = 0;
    virtual void SetPanelColours(const std::array<int32_t, 3>& colours) = 0;
    virtual PageStyle PagesStyle() const = 0;
    virtual void SetPagesStyle(PageStyle style, bool showTabs) = 0;
    // After the item-enabling pass ran again: redraw the entries.
    virtual void ItemAvailabilityChanged() = 0;
    virtual void OpenAddress(const std::string& address) = 0;
};

// Paints with a stored colour: system colours are looked up.
COLORREF PaintColour(int32_t colour);

}  // namespace brisko::ui
