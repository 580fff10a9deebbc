#include "ui/win32/description_font.h"

namespace brisko::ui {

void DescriptionFont::Set(int points) {
    points_ = points;
    for (const auto& apply : followers_) apply(points);
}

void DescriptionFont::Follow(std::function<void(int points)> apply) {
    if (points_) apply(*points_);
    followers_.push_back(std::move(apply));
}

Font DescriptionFont::FaceAt(int points, const Dpi& dpi) {
    return Font(CreateFontW(-MulDiv(points, dpi.Value(), 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                            OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"Tahoma"));
}

}  // namespace brisko::ui
