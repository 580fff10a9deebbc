#pragma once
// The utilities page: its list, whose lines it draws, and the controls over
// it: the ten tool buttons (① to ⑩) with their hints, the quick-format box and
// the two drive lists. A part of the main window, whose children they are;
// what a button starts is decided in the core (ui/utility_commands.h).
#include <windows.h>

#include <array>
#include <memory>
#include <string>

#include "engine/program_context.h"
#include "ui/main_layout.h"
#include "ui/win32/bitmap_cache.h"
#include "ui/win32/child_part.h"
#include "ui/win32/dpi.h"
#include "ui/win32/glyph_button.h"
#include "ui/win32/tooltips.h"

namespace brisko::ui {

class UtilityPage final : public ChildPart {
public:
    // list: the page's list, which the controls stand over. Glyphs come from
    // bitmaps, some in 16 colours on displays of 256 colours or fewer.
    UtilityPage(ProgramContext& ctx, HWND parent, HWND list, const Dpi& dpi, HFONT font, BitmapCache& bitmaps);

    // One entry per fixed drive, in both lists; nothing is selected.
    void FillDriveLists(const std::string& letters);
    // Enabled or not as the edition and the "DisabledItem" choices say.
    void ApplyControlStates(const ControlStates& controls);
    void Place(const Rect& page);

    bool Owns(HWND control) const override;
    void Show(bool visible) override;
    // A button's click; the list's selection is left to the window.
    bool OnCommand(int id, int code) override;
    bool OnDrawItem(const DRAWITEMSTRUCT& item) override;
    // The quick-format box in white, a drive list that cannot be used greyed.
    HBRUSH OnCtlColor(HWND control, HDC dc) override;

private:
    HWND Control(int id) const { return GetDlgItem(parent_, id); }
    void DrawListLine(const DRAWITEMSTRUCT& item) const;
    void ButtonClick(int index);
    // Handles the window's messages during a long step; false once the
    // program is closing.
    bool KeepAlive();

    ProgramContext& ctx_;
    HWND parent_;
    HWND list_;
    Dpi dpi_;
    std::unique_ptr<Tooltips> tips_;
    std::array<ButtonLook, 10> looks_;
    Brush white_;
    bool busy_ = false;
    bool quitSeen_ = false;
    int quitCode_ = 0;
};

}  // namespace brisko::ui
