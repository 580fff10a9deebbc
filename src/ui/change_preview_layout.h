#pragma once
// Where the change list window puts things, in design pixels at 96 DPI, and
// the text of its list.
#include <string>
#include <vector>

#include "platform/prompts.h"
#include "ui/main_layout.h"

namespace brisko::ui {

inline constexpr int kPreviewClientWidth = 600;
inline constexpr int kPreviewClientHeight = 380;
inline constexpr int kPreviewLineHeight = 14;  // one line of the 12-pixel font

struct ChangePreviewLayout {
    Rect heading, list, question, yes, no;
};

// questionLines: how many lines the question takes (its leading line break counts).
ChangePreviewLayout LayOutChangePreview(int questionLines);

// The list as wrapped lines of text (CR LF): each item's label once, under it
// each change indented, a value's text now and to be written on a line of
// their own; a blank line between items.
std::string ChangeListText(const std::vector<ChangeLine>& changes);

}  // namespace brisko::ui
