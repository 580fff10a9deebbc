#include "ui/change_preview_layout.h"

#include <algorithm>

namespace brisko::ui {

namespace {
constexpr int kMargin = 8, kGap = 8, kButtonWidth = 80, kButtonHeight = 25, kButtonGap = 6;
}  // namespace

ChangePreviewLayout LayOutChangePreview(int questionLines) {
    const int width = kPreviewClientWidth - 2 * kMargin;
    ChangePreviewLayout l;
    l.heading = {kMargin, kMargin, width, kPreviewLineHeight};
    const int buttonsTop = kPreviewClientHeight - kMargin - kButtonHeight;
    const int questionHeight = std::max(1, questionLines) * kPreviewLineHeight;
    l.question = {kMargin, buttonsTop - kGap - questionHeight, width, questionHeight};
    l.list = {kMargin, l.heading.bottom() + 4, width, 0};
    l.list.height = l.question.top - kGap - l.list.top;
    l.no = {kPreviewClientWidth - kMargin - kButtonWidth, buttonsTop, kButtonWidth, kButtonHeight};
    l.yes = {l.no.left - kButtonGap - kButtonWidth, buttonsTop, kButtonWidth, kButtonHeight};
    return l;
}

std::string ChangeListText(const std::vector<ChangeLine>& changes) {
    std::string text;
    for (size_t i = 0; i < changes.size(); ++i) {
        const ChangeLine& c = changes[i];
        if (i == 0 || changes[i - 1].item != c.item) text += (i ? "\r\n■ " : "■ ") + c.item + "\r\n";
        text += "　" + c.target + "\r\n";
        if (!c.before.empty() || !c.after.empty()) text += "　　現在: " + c.before + "　→　変更後: " + c.after + "\r\n";
    }
    return text;
}

}  // namespace brisko::ui
