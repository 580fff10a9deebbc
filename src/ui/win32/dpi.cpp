#include "ui/win32/dpi.h"

#include "ui/win32/scoped_gdi.h"

namespace brisko::ui {

Dpi Dpi::OfScreen() {
    const int dpi = GetDeviceCaps(WindowDc(), LOGPIXELSY);
    return Dpi(dpi > 0 ? dpi : 96);
}

}  // namespace brisko::ui
