#include "ui/scale.h"

#include <cstdint>
#include <cstdlib>

namespace brisko::ui {

int MulDivRounded(int value, int numerator, int denominator) {
    const int64_t product = static_cast<int64_t>(value) * numerator;
    const int64_t half = std::llabs(static_cast<int64_t>(denominator)) / 2;
    const bool negative = (product < 0) != (denominator < 0);
    const int64_t magnitude = (std::llabs(product) + half) / std::llabs(static_cast<int64_t>(denominator));
    return static_cast<int>(negative ? -magnitude : magnitude);
}

Rect ToDevice(const Rect& r, int dpi) {
    const int left = ToDevice(r.left, dpi), top = ToDevice(r.top, dpi);
    return {left, top, ToDevice(r.right(), dpi) - left, ToDevice(r.bottom(), dpi) - top};
}

MainLayout LayOutMainWindowAt(int dpi, int clientWidth, int clientHeight, bool smallScreen, bool showTabs,
                              bool buttonTabs) {
    return LayOutMainWindow(ToDesign(clientWidth, dpi), ToDesign(clientHeight, dpi), smallScreen, showTabs,
                            buttonTabs);
}

int PictureSize(int designSize, int dpi) {
    const int wanted = ToDevice(designSize, dpi);
    int best = designSize;
    for (int drawn : {24, 32})
        if (drawn > designSize && std::abs(drawn - wanted) < std::abs(best - wanted)) best = drawn;
    return best;
}

std::string PictureName(const std::string& name, int designSize, int dpi) {
    const int size = PictureSize(designSize, dpi);
    return size == designSize ? name : name + std::to_string(size);
}

}  // namespace brisko::ui
