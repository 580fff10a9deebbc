#include <gtest/gtest.h>

#include <iterator>
#include <set>
#include <utility>
#include <vector>

#include "prefs/colour_text.h"

namespace brisko {
namespace {

constexpr int32_t Sys(int index) { return static_cast<int32_t>(0xFF000000u | static_cast<uint32_t>(index)); }

// Every identifier with the value other programs reading the file expect.
std::vector<std::pair<const char*, int32_t>> ExpectedNames() {
    std::vector<std::pair<const char*, int32_t>> names = {
        {"clBlack", 0x000000}, {"clMaroon", 0x000080}, {"clGreen", 0x008000}, {"clOlive", 0x008080},
        {"clNavy", 0x800000}, {"clPurple", 0x800080}, {"clTeal", 0x808000}, {"clGray", 0x808080},
        {"clSilver", 0xC0C0C0}, {"clRed", 0x0000FF}, {"clLime", 0x00FF00}, {"clYellow", 0x00FFFF},
        {"clBlue", 0xFF0000}, {"clFuchsia", 0xFF00FF}, {"clAqua", 0xFFFF00}, {"clWhite", 0xFFFFFF},
        {"clMoneyGreen", 0xC0DCC0}, {"clSkyBlue", 0xF0CAA6}, {"clCream", 0xF0FBFF}, {"clMedGray", 0xA4A0A0},
        {"clNone", 0x1FFFFFFF}, {"clDefault", 0x20000000}};
    // System colours by index; 25 has no name.
    const char* const system[] = {
        "clScrollBar", "clBackground", "clActiveCaption", "clInactiveCaption", "clMenu", "clWindow",
        "clWindowFrame", "clMenuText", "clWindowText", "clCaptionText", "clActiveBorder", "clInactiveBorder",
        "clAppWorkSpace", "clHighlight", "clHighlightText", "clBtnFace", "clBtnShadow", "clGrayText", "clBtnText",
        "clInactiveCaptionText", "clBtnHighlight", "cl3DDkShadow", "cl3DLight", "clInfoText", "clInfoBk", nullptr,
        "clHotLight", "clGradientActiveCaption", "clGradientInactiveCaption", "clMenuHighlight", "clMenuBar"};
    for (int i = 0; i < static_cast<int>(std::size(system)); ++i)
        if (system[i]) names.emplace_back(system[i], Sys(i));
    return names;
}

TEST(ColourText, EveryNamedColourIsWrittenByNameAndReadBack) {
    const auto expected = ExpectedNames();
    ASSERT_EQ(expected.size(), 52u);
    std::set<int32_t> values;
    for (const auto& [name, value] : expected) {
        EXPECT_EQ(ColorToText(value), name);
        EXPECT_EQ(TextToColor(name), value) << name;
        values.insert(value);
    }
    EXPECT_EQ(values.size(), expected.size()) << "two names share a value";
}

TEST(ColourText, UnnamedColoursAreWrittenAsEightUpperCaseHexDigits) {
    EXPECT_EQ(ColorToText(0x008080F0), "$008080F0");
    EXPECT_EQ(ColorToText(0x00ABCDEF), "$00ABCDEF");
    EXPECT_EQ(ColorToText(-1), "$FFFFFFFF");
    EXPECT_EQ(ColorToText(Sys(25)), "$FF000019") << "index 25 has no name";
    EXPECT_EQ(ColorToText(Sys(31)), "$FF00001F");
    EXPECT_EQ(ColorToText(0x01FFFFFF), "$01FFFFFF") << "only the exact value is white";
    for (int32_t c : {0x008080F0, 0x00ABCDEF, -1, Sys(25), 0x7FFFFFFF, static_cast<int32_t>(0x80000000u)})
        EXPECT_EQ(TextToColor(ColorToText(c)), c) << c;
}

TEST(ColourText, ReadsIdentifiersInAnyCaseHexAndDecimal) {
    EXPECT_EQ(TextToColor("clskyblue"), 0xF0CAA6);
    EXPECT_EQ(TextToColor("CLBTNFACE"), Sys(15));
    EXPECT_EQ(TextToColor("$8080f0"), 0x8080F0);
    EXPECT_EQ(TextToColor("$F"), 0xF);
    EXPECT_EQ(TextToColor("$FF00000F"), Sys(15));
    EXPECT_EQ(TextToColor("12345"), 12345);
    EXPECT_EQ(TextToColor("-16777201"), Sys(15));
    EXPECT_EQ(TextToColor("+7"), 7);
    EXPECT_EQ(TextToColor("2147483647"), 0x7FFFFFFF);
    EXPECT_EQ(TextToColor("-2147483648"), static_cast<int32_t>(0x80000000u));
}

TEST(ColourText, RejectsAnythingElse) {
    for (const char* bad : {"", "$", "$123456789", "clNoSuchColour", "12x", "$G0", "-", "2147483648",
                            "-2147483649", " 5", "5 ", "clRed ", "0x10", "cl", "$-1"})
        EXPECT_EQ(TextToColor(bad), std::nullopt) << '"' << bad << '"';
}

TEST(ColourText, ResolveColorLooksUpSystemColoursAndMasksOthers) {
    std::vector<int> asked;
    auto lookup = [&](int index) {
        asked.push_back(index);
        return 0x00112233u;
    };
    EXPECT_EQ(ResolveColor(Sys(15), lookup), 0x112233u);
    EXPECT_EQ(ResolveColor(Sys(0), lookup), 0x112233u);
    EXPECT_EQ(asked, (std::vector<int>{15, 0}));

    asked.clear();
    EXPECT_EQ(ResolveColor(0x008080F0, lookup), 0x8080F0u);
    EXPECT_EQ(ResolveColor(0x1FFFFFFF, lookup), 0xFFFFFFu);
    EXPECT_EQ(ResolveColor(0x20000000, lookup), 0u);
    EXPECT_EQ(ResolveColor(static_cast<int32_t>(0xFE123456u), lookup), 0x123456u);
    EXPECT_TRUE(asked.empty());
}

}  // namespace
}  // namespace brisko
