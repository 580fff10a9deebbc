#include "ui/pc_info_layout.h"

#include <algorithm>

namespace brisko::ui {

namespace {
constexpr int kListWidth = 150, kGap = 4, kButtonWidth = 72, kButtonHeight = 24;
}

PcInfoLayout LayOutPcInfoPage(const Rect& page) {
    PcInfoLayout l;
    const int rows = static_cast<int>(l.boxes.size());
    l.list = {page.left, page.top, kListWidth, std::min(page.height, rows * kPcInfoRowHeight)};
    const int buttonLeft = page.right() - kButtonWidth;
    const int boxLeft = l.list.right() + kGap;
    const int boxWidth = std::max(0, buttonLeft - kGap - boxLeft);
    for (int i = 0; i < rows; ++i) l.boxes[i] = {boxLeft, page.top + i * kPcInfoRowHeight, boxWidth, kPcInfoRowHeight};
    const int bottom = std::max(page.top + 2 * kButtonHeight + kGap, l.list.bottom());
    l.detail = {buttonLeft, bottom - kButtonHeight, kButtonWidth, kButtonHeight};
    l.change = {buttonLeft, l.detail.top - kGap - kButtonHeight, kButtonWidth, kButtonHeight};
    return l;
}

}  // namespace brisko::ui
