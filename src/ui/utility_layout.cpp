#include "ui/utility_layout.h"

#include <cstddef>

namespace brisko::ui {

namespace {
constexpr int kButtonWidth = 54, kButtonHeight = 37, kRowStep = 36;
constexpr std::array<int, 2> kColumns = {351, 404};
constexpr int kBesideLeft = 275, kBesideWidth = 76, kLineHeight = 18;
constexpr int kQuickTop = 126, kDefragTop = 144, kConvertTop = 162;
}  // namespace

UtilityLayout LayOutUtilityPage(const Rect& page) {
    // A design x becomes the same distance from the right edge.
    auto x = [&](int designX) { return page.right() - (kUtilityDesignPageWidth - designX); };
    UtilityLayout l;
    for (std::size_t i = 0; i < l.buttons.size(); ++i)
        l.buttons[i] = {x(kColumns[i % 2]), page.top + kRowStep * static_cast<int>(i / 2), kButtonWidth, kButtonHeight};
    l.quickFormat = {x(kBesideLeft), page.top + kQuickTop, kBesideWidth, kLineHeight};
    l.defragDrives = {x(kBesideLeft), page.top + kDefragTop, kBesideWidth, kLineHeight};
    l.convertDrives = {x(kBesideLeft), page.top + kConvertTop, kBesideWidth, kLineHeight};
    return l;
}

}  // namespace brisko::ui
