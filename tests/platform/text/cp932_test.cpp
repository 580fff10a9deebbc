// Code page 932 over its whole table; the single cases are rows of
// tests/data/function_cases.tsv.
#include <gtest/gtest.h>

#include "platform/text/cp932.h"

namespace brisko::text {
namespace {

TEST(Cp932, RoundTripsEveryMappedCharacterOnce) {
    // Every lead/trail pair that decodes to a character encodes to a pair
    // that decodes to the same character (duplicates map to one form).
    int mapped = 0;
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        if (lead >= 0xA0 && lead < 0xE0) continue;
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            const std::string pair{static_cast<char>(lead), static_cast<char>(trail)};
            const std::string u = Cp932ToUtf8(pair);
            if (u.starts_with("\xEF\xBF\xBD")) continue;  // unmapped, or no second half at all
            ++mapped;
            ASSERT_EQ(Cp932ToUtf8(Utf8ToCp932(u)), u) << std::hex << lead << " " << trail;
        }
    }
    EXPECT_EQ(mapped, 9604);
}

}  // namespace
}  // namespace brisko::text
