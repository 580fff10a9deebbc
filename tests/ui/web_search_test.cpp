// The addresses and the caption of the description box's search menu.
#include <gtest/gtest.h>

#include "support/memory_context.h"
#include "ui/web_search.h"

namespace brisko::ui {
namespace {

TEST(WebSearch, EveryByteOutsideTheUnreservedSetIsEncoded) {
    const std::pair<std::string, std::string> cases[] = {
        {"Az09-._~", "Az09-._~"},
        {"a b", "a%20b"},
        {"100%", "100%25"},
        {"a+b=c?d/e", "a%2Bb%3Dc%3Fd%2Fe"},
        {"一\r\n二", "%E4%B8%80%0D%0A%E4%BA%8C"},
    };
    for (const auto& [text, encoded] : cases) EXPECT_EQ(PercentEncode(text), encoded) << text;
}

TEST(WebSearch, EachProviderTakesTheEncodedTextInItsQuery) {
    const std::string text = "R&D #1";
    EXPECT_EQ(SearchAddress(SearchProvider::Google, text), "https://www.google.co.jp/search?q=R%26D%20%231");
    EXPECT_EQ(SearchAddress(SearchProvider::ProgramSite, text),
              "https://www.google.co.jp/search?q=R%26D%20%231+site:" + std::string(kProgramSiteDomain));
    testing::RecordingLauncher launcher;
    WebSearch(launcher, SearchProvider::Google, text);
    EXPECT_EQ(launcher.calls, std::vector<std::string>{"open|" + SearchAddress(SearchProvider::Google, text) + "||unowned"})
        << "shown, owned by no window";
}

TEST(WebSearch, LongSelectionsAreShortenedInTheCaption) {
    EXPECT_EQ(SearchMenuCaption("12345678901234"), "\"12345678901234\" を検索") << "14 characters stay whole";
    EXPECT_EQ(SearchMenuCaption("123456789012345"), "\"12345678901234...\" を検索");
    EXPECT_EQ(SearchMenuCaption("あいうえおかきくけこさしすせそたちつてと"), "\"あいうえおかきくけこさしすせ...\" を検索");
    // A character outside the basic plane counts twice and is never cut in half.
    EXPECT_EQ(SearchMenuCaption("1234567890123\U0001F600xyz"), "\"1234567890123...\" を検索");
}

}  // namespace
}  // namespace brisko::ui
