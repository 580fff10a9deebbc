#include "prefs/colour_text.h"

#include <array>
#include <string_view>

#include "platform/text/case_fold.h"
#include "platform/utilities.h"

namespace brisko {

namespace {

struct NamedColour {
    std::string_view name;
    uint32_t value;
};

constexpr uint32_t kSystem = 0xFF000000;

// Writing takes the first entry with the value, so the order matters: the
// standard colours, then the system colours, then clNone and clDefault.
constexpr std::array<NamedColour, 52> kNamedColours{{
    {"clBlack", 0x000000},
    {"clMaroon", 0x000080},
    {"clGreen", 0x008000},
    {"clOlive", 0x008080},
    {"clNavy", 0x800000},
    {"clPurple", 0x800080},
    {"clTeal", 0x808000},
    {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF},
    {"clLime", 0x00FF00},
    {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},
    {"clFuchsia", 0xFF00FF},
    {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF},
    {"clMoneyGreen", 0xC0DCC0},
    {"clSkyBlue", 0xF0CAA6},
    {"clCream", 0xF0FBFF},
    {"clMedGray", 0xA4A0A0},
    {"clScrollBar", kSystem | 0},
    {"clBackground", kSystem | 1},
    {"clActiveCaption", kSystem | 2},
    {"clInactiveCaption", kSystem | 3},
    {"clMenu", kSystem | 4},
    {"clWindow", kSystem | 5},
    {"clWindowFrame", kSystem | 6},
    {"clMenuText", kSystem | 7},
    {"clWindowText", kSystem | 8},
    {"clCaptionText", kSystem | 9},
    {"clActiveBorder", kSystem | 10},
    {"clInactiveBorder", kSystem | 11},
    {"clAppWorkSpace", kSystem | 12},
    {"clHighlight", kSystem | 13},
    {"clHighlightText", kSystem | 14},
    {"clBtnFace", kSystem | 15},
    {"clBtnShadow", kSystem | 16},
    {"clGrayText", kSystem | 17},
    {"clBtnText", kSystem | 18},
    {"clInactiveCaptionText", kSystem | 19},
    {"clBtnHighlight", kSystem | 20},
    {"cl3DDkShadow", kSystem | 21},
    {"cl3DLight", kSystem | 22},
    {"clInfoText", kSystem | 23},
    {"clInfoBk", kSystem | 24},
    {"clHotLight", kSystem | 26},
    {"clGradientActiveCaption", kSystem | 27},
    {"clGradientInactiveCaption", kSystem | 28},
    {"clMenuHighlight", kSystem | 29},
    {"clMenuBar", kSystem | 30},
    {"clNone", 0x1FFFFFFF},
    {"clDefault", 0x20000000},
}};

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::optional<int32_t> ParseHex(std::string_view digits) {
    if (digits.empty() || digits.size() > 8) return std::nullopt;
    uint32_t value = 0;
    for (char c : digits) {
        int d = HexDigit(c);
        if (d < 0) return std::nullopt;
        value = value << 4 | static_cast<uint32_t>(d);
    }
    return static_cast<int32_t>(value);
}

std::optional<int32_t> ParseDecimal(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) return std::nullopt;
    const int64_t limit = negative ? 0x80000000LL : 0x7FFFFFFFLL;
    int64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > limit) return std::nullopt;
    }
    return static_cast<int32_t>(negative ? -value : value);
}

}  // namespace

std::string ColorToText(int32_t colour) {
    const auto bits = static_cast<uint32_t>(colour);
    for (const auto& named : kNamedColours)
        if (named.value == bits) return std::string(named.name);
    return "$" + FormatHex8(bits);
}

std::optional<int32_t> TextToColor(const std::string& text) {
    for (const auto& named : kNamedColours)
        if (text::AsciiNamesEqual(text, std::string(named.name))) return static_cast<int32_t>(named.value);
    if (!text.empty() && text[0] == '$') return ParseHex(std::string_view(text).substr(1));
    return ParseDecimal(text);
}

uint32_t ResolveColor(int32_t colour, const std::function<uint32_t(int index)>& systemColour) {
    const auto bits = static_cast<uint32_t>(colour);
    if ((bits & 0xFF000000) == kSystem) return systemColour(static_cast<int>(bits & 0xFF)) & 0xFFFFFF;
    return bits & 0xFFFFFF;
}

}  // namespace brisko
