// Colour texts against the table of tests/data/colours.tsv.
#include <gtest/gtest.h>

#include <set>

#include "prefs/colour_text.h"
#include "support/test_data.h"

namespace brisko {
namespace {

int32_t Hex(const std::string& text) { return static_cast<int32_t>(std::stoul(text, nullptr, 16)); }
constexpr int32_t Sys(int index) { return static_cast<int32_t>(0xFF000000u | static_cast<uint32_t>(index)); }

TEST(ColourText, EveryNamedColourIsWrittenByNameAndReadBack) {
    std::set<int32_t> values;
    size_t names = 0;
    for (const auto& row : testing::TestDataRows("colours.tsv")) {
        if (row[0] != "name") continue;
        EXPECT_EQ(ColorToText(Hex(row[2])), row[1]);
        EXPECT_EQ(TextToColor(row[1]), Hex(row[2])) << row[1];
        values.insert(Hex(row[2]));
        ++names;
    }
    EXPECT_EQ(names, 52u);
    EXPECT_EQ(values.size(), names) << "two names share a value";
}

TEST(ColourText, TextsReadAsTheTableSaysAndUnnamedValuesWriteAsHex) {
    std::set<std::string> named;
    for (const auto& row : testing::TestDataRows("colours.tsv"))
        if (row[0] == "name") named.insert(row[2]);
    for (const auto& row : testing::TestDataRows("colours.tsv")) {
        if (row[0] != "read") continue;
        const std::string text = row[1] == "(empty)" ? "" : row[1];
        if (row[2] == "-") {
            EXPECT_EQ(TextToColor(text), std::nullopt) << '"' << text << '"';
            continue;
        }
        EXPECT_EQ(TextToColor(text), Hex(row[2])) << text;
        if (!named.count(row[2])) {
            EXPECT_EQ(ColorToText(Hex(row[2])), "$" + row[2]);
        }
    }
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
