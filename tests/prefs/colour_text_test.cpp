// Colour texts against the table of tests/data/colours.tsv.
#include <gtest/gtest.h>

#include <set>

#include "prefs/colour_text.h"
#include "support/test_data.h"

namespace brisko {
namespace {

int32_t Hex(const std::string& text) { return static_cast<int32_t>(std::stoul(text, nullptr, 16)); }

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

}  // namespace
}  // namespace brisko
