#include <gtest/gtest.h>

#include "platform/text/case_fold.h"
#include "platform/text/cp932.h"
#include "platform/text/utf.h"

namespace brisko::text {
namespace {

TEST(Utf, InvalidInputBecomesReplacementCharacters) {
    EXPECT_EQ(Utf8ToCodePoints("a\xFF" "b"), (std::u32string{U'a', 0xFFFD, U'b'}));
    EXPECT_EQ(Utf8ToCodePoints("\xC0\x80"), (std::u32string{0xFFFD, 0xFFFD})) << "overlong";
    EXPECT_EQ(Utf8ToCodePoints("\xE6\x97"), (std::u32string{0xFFFD, 0xFFFD})) << "truncated";
    EXPECT_EQ(Utf16ToUtf8(std::u16string{0xD800, u'x'}), "\xEF\xBF\xBDx") << "lone surrogate";
}

TEST(Cp932, DecodesAndEncodesJapaneseText) {
    EXPECT_EQ(Utf8ToCp932("日本語"), "\x93\xFA\x96\x7B\x8C\xEA");
    EXPECT_EQ(Cp932ToUtf8("\x93\xFA\x96\x7B\x8C\xEA"), "日本語");
    EXPECT_EQ(Utf8ToCp932("ｱｲｳ"), "\xB1\xB2\xB3") << "half-width katakana are single bytes";
    EXPECT_EQ(Cp932ToUtf8("\x7F" "A\x7F"), "\x7F" "A\x7F") << "DEL, the last single byte, even before a byte";
    EXPECT_EQ(Utf8ToCp932("\x7F"), "\x7F");
    // Trail bytes in the ASCII range: "ソ" is 83 5C, "表" 95 5C.
    EXPECT_EQ(Utf8ToCp932("ソ表"), "\x83\x5C\x95\x5C");
    EXPECT_EQ(Cp932ToUtf8("\x83\x5C\\"), "ソ\\");
    EXPECT_EQ(Utf8ToCp932("①"), "\x87\x40") << "NEC special characters";
    EXPECT_EQ(Cp932ToUtf8("\xF0\x40"), "\xEE\x80\x80") << "user-defined area maps to private use";
}

TEST(Cp932, RoundTripsEveryMappedCharacterOnce) {
    // Every lead/trail pair that decodes to a character encodes to a pair
    // that decodes to the same character (duplicates map to one form).
    int mapped = 0;
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        if (lead >= 0xA0 && lead < 0xE0) continue;
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            const std::string pair{static_cast<char>(lead), static_cast<char>(trail)};
            const std::string u = Cp932ToUtf8(pair);
            if (u == "\xEF\xBF\xBD") continue;
            ++mapped;
            ASSERT_EQ(Cp932ToUtf8(Utf8ToCp932(u)), u) << std::hex << lead << " " << trail;
        }
    }
    EXPECT_EQ(mapped, 9604);
}

TEST(Cp932, UnmappableAndBrokenInput) {
    EXPECT_EQ(Utf8ToCp932("a\xF0\x9F\x98\x80" "b"), "a?b");
    EXPECT_EQ(Utf8ToCp932("한"), "?");
    EXPECT_EQ(Cp932ToUtf8("a\x82"), "a\xEF\xBF\xBD") << "lead byte at the end";
    EXPECT_EQ(Cp932ToUtf8("\x82\x20"), "\xEF\xBF\xBD") << "invalid trail";
    EXPECT_EQ(Cp932Length("aあ"), 3u);
}

// The ASCII cases are covered by the registry and profile suites.
TEST(CaseFold, RegistryNamesFoldBeyondAsciiProfileNamesDoNot) {
    EXPECT_TRUE(RegistryNamesEqual("ｗｉｎ", "ＷＩＮ"));
    EXPECT_FALSE(RegistryNamesEqual("ソ", "ゾ"));
    EXPECT_FALSE(AsciiNamesEqual("ａ", "Ａ")) << "profile names fold ASCII only";
}

}  // namespace
}  // namespace brisko::text
