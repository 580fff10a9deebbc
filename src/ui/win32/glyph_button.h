#pragma once
// Flat owner-drawn buttons with a glyph and an optional caption: the tool
// buttons of the title bar, the side menu, and the buttons of the glue row.
#include <windows.h>

#include <string>

namespace brisko::ui {

struct ButtonLook {
    HBITMAP glyph = nullptr;
    std::wstring caption;
    HFONT font = nullptr;
    bool captionLeft = false;  // glyph at the left, caption beside it
    bool down = false;         // a toggle button held down
};

// The button shows a raised edge while the pointer is on it, until the
// pointer has rested there as long as a hint stays up.
HWND CreateGlyphButton(HWND parent, int id, RECT bounds);
void DrawGlyphButton(const DRAWITEMSTRUCT& item, const ButtonLook& look, COLORREF background);
// An owner-drawn push button in the system's push-button look, its picture
// beside its own text; isDefault draws the default button's frame.
void DrawPictureButton(const DRAWITEMSTRUCT& item, HBITMAP picture, bool isDefault);
// Draws a bitmap whose magenta pixels are see-through.
void DrawKeyedBitmap(HDC dc, HBITMAP bitmap, int x, int y, int width = 0, int height = 0);
SIZE BitmapSize(HBITMAP bitmap);

}  // namespace brisko::ui
