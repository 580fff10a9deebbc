#pragma once
// The program's bitmap resources, each loaded once and kept for the run, and
// their copies for displays of 256 colours or fewer, where a palette shared
// by every program would dither them: drawn in the sixteen standard colours.
#include <windows.h>

#include <map>
#include <optional>
#include <string>

#include "ui/win32/scoped_gdi.h"

namespace brisko::ui {

class BitmapCache {
public:
    // The bitmap resource of the name; nullptr when there is none.
    HBITMAP Get(const std::string& name);
    // The same picture as this screen should show it: the sixteen-colour
    // copy where the screen shows 256 colours or fewer, else as Get.
    HBITMAP ForScreen(const std::string& name);

private:
    std::map<std::string, Bitmap> loaded_, reduced_;
    std::optional<bool> fewColours_;
};

// A 4-bit copy of the bitmap in the standard sixteen colours, each pixel the
// nearest one (the see-through magenta is one of them); none when the bitmap
// cannot be read.
Bitmap ReduceTo16Colours(HBITMAP bitmap);
// Whether the screen shows 256 colours or fewer (8 bits a pixel or fewer).
bool ScreenHasFewColours();

}  // namespace brisko::ui
