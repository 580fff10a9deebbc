#pragma once
// The stored appearance: colour styles, page style, transparency and the
// rules that read them at start and store them from the options window.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "prefs/preferences.h"

namespace brisko {

enum class PageStyle { Tabs, FlatButtons, Buttons };

// "Tabs", "FlatButtons" or "Buttons"; any other text gives nullopt.
std::optional<PageStyle> PageStyleFromText(const std::string& text);
std::string_view PageStyleText(PageStyle style);

// The six coloured targets, in swatch order.
enum ColourTarget { kTitleTarget, kMenuTarget, kAccelTarget, kSubTarget, kRestoreTarget, kCompactTarget };
inline constexpr size_t kColourTargets = 6;
using TargetColours = std::array<int32_t, kColourTargets>;

struct ColourStyle {
    std::string_view stored;  // the ColorStyle value; empty for the default style (key deleted)
    TargetColours colours;    // unused by the optional style, which keeps the swatches
};
inline constexpr size_t kDefaultStyle = 0, kOptionalStyle = 10;
// The eleven styles in radio-button order: default, OldPC, Old, Black, White,
// Gray, Red, Blue, Green, Yellow, Optional.
const std::array<ColourStyle, 11>& ColourStyles();
// The style stored under that ColorStyle value; the default style for any other text.
size_t ColourStyleIndex(const std::string& stored);

// What LoadAppearance applies to the main window at start.
struct StoredAppearance {
    std::optional<int> fontSize;
    std::optional<int> alpha;  // 5 to 254: the window is made see-through
    // Only when a ColorStyle is stored: title, menu and settings panel colours, each when present.
    std::array<std::optional<int32_t>, 3> panelColours;
    bool showTab = false;
    std::optional<PageStyle> pageStyle;
};
StoredAppearance ReadStoredAppearance(const Preferences& prefs);

// Colours are applied unless the default style is chosen while none is stored.
bool ColoursToApply(const Preferences& prefs, size_t styleIndex);
// Stores the style and the colours that were applied to the six targets.
void StoreColours(Preferences& prefs, size_t styleIndex, const TargetColours& applied);

// The transparency box's text as a scroll position: empty reads 0, anything
// that is not a whole number 255; nullopt when the number lies outside 0 to 255.
std::optional<int> TransparencyFromText(const std::string& text);

}  // namespace brisko
