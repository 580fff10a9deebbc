#include "prefs/appearance.h"

#include <charconv>

#include "prefs/preference_keys.h"

namespace brisko {

namespace {
constexpr int32_t kBtnFace = static_cast<int32_t>(0xFF00000F);
constexpr TargetColours All(int32_t c) { return {c, c, c, c, c, c}; }
constexpr std::array<std::string_view, kColourTargets> kColourKeys = {
    prefkey::kTitleColor, prefkey::kMenuColor,    prefkey::kAccelColor,
    prefkey::kSubColor,   prefkey::kRestoreColor, prefkey::kCompactColor};
}  // namespace

std::optional<PageStyle> PageStyleFromText(const std::string& text) {
    if (text == "Tabs") return PageStyle::Tabs;
    if (text == "FlatButtons") return PageStyle::FlatButtons;
    if (text == "Buttons") return PageStyle::Buttons;
    return std::nullopt;
}

std::string_view PageStyleText(PageStyle style) {
    switch (style) {
        case PageStyle::FlatButtons: return "FlatButtons";
        case PageStyle::Buttons: return "Buttons";
        default: return "Tabs";
    }
}

const std::array<ColourStyle, 11>& ColourStyles() {
    static const std::array<ColourStyle, 11> styles = {{
        {"", All(kBtnFace)},
        {"OldPC", {0x639AFF, 0x9CCFCE, 0x9CCFFF, 0x9CCFFF, 0x639AFF, 0x9CCFCE}},
        {"Old", {0xF0CAA6, 0xC0C0C0, 0xC0DCC0, 0xF0CAA6, 0xC0C0C0, 0xFFFFFF}},
        {"Black", All(0x696969)},
        {"White", All(0xF0FBFF)},
        {"Gray", All(0xC0C0C0)},
        {"Red", All(0x8080F0)},
        {"Blue", All(0xF0CAA6)},
        {"Green", All(0xC0DCC0)},
        {"Yellow", All(0x8CE6F0)},
        {"Optional", All(kBtnFace)},
    }};
    return styles;
}

size_t ColourStyleIndex(const std::string& stored) {
    const auto& styles = ColourStyles();
    for (size_t i = 1; i < styles.size(); ++i)
        if (styles[i].stored == stored) return i;
    return kDefaultStyle;
}

StoredAppearance ReadStoredAppearance(const Preferences& prefs) {
    StoredAppearance a;
    a.fontSize = prefs.FontSize();
    a.alpha = prefs.TransparencyAlpha();
    if (prefs.Read(prefkey::kSettings, prefkey::kColorStyle) != "NULL")
        for (size_t i = 0; i < a.panelColours.size(); ++i) a.panelColours[i] = prefs.Color(kColourKeys[i]);
    a.showTab = prefs.ShowTab();
    a.pageStyle = PageStyleFromText(prefs.Read(prefkey::kSettings, prefkey::kTabStyle));
    return a;
}

bool ColoursToApply(const Preferences& prefs, size_t styleIndex) {
    return styleIndex != kDefaultStyle || prefs.Read(prefkey::kSettings, prefkey::kColorStyle) != "NULL";
}

void StoreColours(Preferences& prefs, size_t styleIndex, const TargetColours& applied) {
    const std::string_view stored = ColourStyles().at(styleIndex).stored;
    if (stored.empty()) prefs.Delete(prefkey::kSettings, prefkey::kColorStyle);
    else prefs.Write(prefkey::kSettings, prefkey::kColorStyle, std::string(stored));
    for (size_t i = 0; i < kColourTargets; ++i) prefs.SetColor(kColourKeys[i], applied[i]);
}

std::optional<int> TransparencyFromText(const std::string& text) {
    if (text.empty()) return 0;
    int value = 0;
    const auto r = std::from_chars(text.data(), text.data() + text.size(), value);
    if (r.ec == std::errc::result_out_of_range) return std::nullopt;
    if (r.ec != std::errc() || r.ptr != text.data() + text.size()) return 255;
    if (value < 0 || value > 255) return std::nullopt;
    return value;
}

}  // namespace brisko
