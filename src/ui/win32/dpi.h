#pragma once
// Design pixels (96 DPI) to device pixels at the screen's DPI.
#include <windows.h>

#include "ui/main_layout.h"

namespace brisko::ui {

class Dpi {
public:
    explicit Dpi(int dpi) : dpi_(dpi) {}
    static Dpi OfScreen();
    int operator()(int design) const { return MulDiv(design, dpi_, 96); }
    int ToDesign(int device) const { return MulDiv(device, 96, dpi_); }
    RECT Of(const Rect& r) const { return {(*this)(r.left), (*this)(r.top), (*this)(r.right()), (*this)(r.bottom())}; }
    int Value() const { return dpi_; }

private:
    int dpi_;
};

}  // namespace brisko::ui
