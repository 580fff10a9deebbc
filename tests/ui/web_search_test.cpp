// The addresses of the description box's search menu (the encoding and the
// caption: tests/data/function_cases.tsv).
#include <gtest/gtest.h>

#include "support/memory_context.h"
#include "ui/web_search.h"

namespace brisko::ui {
namespace {

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

}  // namespace
}  // namespace brisko::ui
