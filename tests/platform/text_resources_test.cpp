#include <gtest/gtest.h>

#include "platform/embedded_text_resources.h"
#include "platform/error.h"
#include "platform/text_resources.h"

namespace brisko {
namespace {

struct FixedResources : TextResources {
    std::optional<std::string> Find(const std::string& name) const override {
        if (name == "Lines") return std::string("one\r\ntwo\nthree\r\rfive");
        return std::nullopt;
    }
};

TEST(TextResourcesTest, SplitsLinesAndRefusesMissingResources) {
    FixedResources r;
    EXPECT_EQ(LoadTextResource(r, "Lines"), (std::vector<std::string>{"one", "two", "three", "", "five"}));
    EXPECT_THROW(LoadTextResource(r, "Nothing"), BriskoError);
    EXPECT_EQ(LoadTextResource(EmbeddedTextResources(), "PowerText").size(), 10u);
}

}  // namespace
}  // namespace brisko
