#pragma once
// Design pixels (96 DPI) to device pixels at the screen's DPI.
#include <windows.h>

#include "ui/scale.h"

namespace brisko::ui {

class Dpi {
public:
    explicit Dpi(int dpi) : dpi_(dpi) {}
    static Dpi OfScreen();
    int operator()(int design) const { return ToDevice(design, dpi_); }
    int ToDesign(int device) const { return ::brisko::ui::ToDesign(device, dpi_); }
    RECT Of(const Rect& r) const {
        const Rect d = ToDevice(r, dpi_);
        return {d.left, d.top, d.right(), d.bottom()};
    }
    // The resource of a picture drawn at its design size and larger (scale.h).
    std::string Picture(const std::string& name, int designSize) const { return PictureName(name, designSize, dpi_); }
    int Value() const { return dpi_; }

private:
    int dpi_;
};

}  // namespace brisko::ui
