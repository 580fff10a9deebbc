#pragma once
// The size of the description boxes' text, in points: the main window's box
// and the save-and-restore window's. It takes one path from the preference
// to the paint: read from the preferences once, at start; changed by the
// options window's 全般 page, which stores it; and taken at once by every box
// that follows it. Without a stored size a box keeps the 13-pixel face it
// was made with until a size is chosen (the options show that as 中).
#include <windows.h>

#include <functional>
#include <optional>
#include <vector>

#include "ui/win32/dpi.h"
#include "ui/win32/scoped_gdi.h"

namespace brisko::ui {

class DescriptionFont {
public:
    static constexpr int kDefaultPoints = 10;

    // The size the preferences hold, if any.
    void Load(std::optional<int> stored) { points_ = stored; }
    int Points() const { return points_.value_or(kDefaultPoints); }
    // A new size, which every box takes at once.
    void Set(int points);
    // A box follows the size from now on: apply(points) runs now, if a size
    // is chosen, and at each change.
    void Follow(std::function<void(int points)> apply);

    // The size as a rich edit box's character format takes it (in twips),
    // and the box's face at the size as a font at the screen's DPI.
    static LONG Twips(int points) { return points * 20; }
    static Font FaceAt(int points, const Dpi& dpi);

private:
    std::optional<int> points_;
    std::vector<std::function<void(int)>> followers_;
};

}  // namespace brisko::ui
