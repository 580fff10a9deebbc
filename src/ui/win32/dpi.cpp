#include "ui/win32/dpi.h"

namespace brisko::ui {

Dpi Dpi::OfScreen() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return Dpi(dpi > 0 ? dpi : 96);
}

}  // namespace brisko::ui
