#pragma once
// Glyphs for displays of 256 colours or fewer, where a palette shared by
// every program would dither them: a copy drawn in the sixteen standard colours.
#include <windows.h>

namespace brisko::ui {

// A 4-bit copy of the bitmap in the standard sixteen colours, each pixel the
// nearest one (the see-through magenta is one of them); nullptr when the
// bitmap cannot be read. The caller owns the copy.
HBITMAP ReduceTo16Colours(HBITMAP bitmap);
// Whether the screen shows 256 colours or fewer (8 bits a pixel or fewer).
bool ScreenHasFewColours();

}  // namespace brisko::ui
