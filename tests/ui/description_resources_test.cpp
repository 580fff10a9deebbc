// Every description the main window's pages load exists: a list entry's
// description "<page><position>Text" for each entry of the page's list
// "<page>Text", the introduction and the services template. The window skips
// a missing one without a word, so it is checked here.
#include <gtest/gtest.h>

#include "platform/embedded_text_resources.h"
#include "platform/text_resources.h"

namespace brisko {
namespace {

TEST(DescriptionResources, EveryListEntryHasOne) {
    const EmbeddedTextResources resources;
    for (const char* page : {"System", "Desktop", "Explorer", "Power", "Others", "Utility", "PCInfo"}) {
        size_t position = 0;
        for (const auto& label : LoadTextResource(resources, std::string(page) + "Text")) {
            if (label.empty()) continue;
            const std::string name = std::string(page) + std::to_string(position++) + "Text";
            EXPECT_TRUE(resources.Find(name).has_value()) << name << " for " << label;
        }
        EXPECT_GT(position, 0u) << page;
    }
    for (const char* name : {"DefaultDescText", "ServicesText"}) EXPECT_TRUE(resources.Find(name).has_value()) << name;
}

}  // namespace
}  // namespace brisko
