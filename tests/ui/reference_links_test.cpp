// What the main window shows for a list entry: its description, its "more
// information" page (the help-file URLs: tests/data/function_cases.tsv) and
// the addresses of the description box's search menu (the encoding and the
// caption: the same table).
#include "ui/reference_links.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/embedded_text_resources.h"
#include "platform/text_resources.h"
#include "support/memory_context.h"
#include "ui/web_search.h"

namespace brisko::ui {
namespace {

const LinkList kTableLists[] = {LinkList::System, LinkList::Desktop, LinkList::Explorer, LinkList::Power,
                                LinkList::Others, LinkList::Utility, LinkList::Info};

bool IsWebLink(const std::string& link) { return link.starts_with("https://") || link.starts_with("http://"); }
bool IsHelpLink(const std::string& link) { return link.starts_with("help:") && link.size() > 5; }

// The help page as shipped in the source tree, found from this file's place.
std::string ReadHelpPage() {
    const std::string here = __FILE__;
    std::ifstream in(here.substr(0, here.rfind("tests")) + "resources/help/brisko-help.html", std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// A list entry's description "<page><position>Text" for each entry of the page's
// list "<page>Text", the introduction and the services template: the window
// skips a missing one without a word.
TEST(DescriptionResources, EveryListEntryHasOne) {
    const EmbeddedTextResources resources;
    std::vector<std::string> names = {"DefaultDescText", "ServicesText"};
    for (const char* page : {"System", "Desktop", "Explorer", "Power", "Others", "Utility", "PCInfo"}) {
        size_t position = 0;
        for (const auto& label : LoadTextResource(resources, std::string(page) + "Text"))
            if (!label.empty()) names.push_back(std::string(page) + std::to_string(position++) + "Text");
        EXPECT_GT(position, 0u) << page;
    }
    for (const auto& name : names) EXPECT_TRUE(resources.Find(name).has_value()) << name;
}

// Others 10 has no page, so its button is disabled; every service shares one
// page, and no selection has none.
TEST(ReferenceLinks, EveryEntryHasAWebOrHelpPageButTheLastOthersEntry) {
    for (const LinkList list : kTableLists) {
        for (int p = 0; p < kReferenceLinksPerList; ++p) {
            const std::string link = ReferenceLink(list, p);
            SCOPED_TRACE(::testing::Message() << "list " << static_cast<int>(list) << ", " << p << ": " << link);
            EXPECT_EQ(link.empty(), list == LinkList::Others && p == 9);
            EXPECT_EQ(IsWebLink(link) || IsHelpLink(link), !link.empty());
        }
    }
    const std::string service = ReferenceLink(LinkList::Service, 0);
    EXPECT_TRUE(IsHelpLink(service) || IsWebLink(service));
    EXPECT_EQ(ReferenceLink(LinkList::Service, 199), service);
    for (const LinkList list : {LinkList::System, LinkList::Service}) EXPECT_EQ(ReferenceLink(list, -1), "");
}

TEST(ReferenceLinks, EveryHelpLinkHasItsSectionInTheHelpPage) {
    const std::string page = ReadHelpPage();
    if (page.empty()) GTEST_SKIP() << "the help page is not reachable from this build's test directory";

    std::vector<std::string> links = {HomePageLink(), ReferenceLink(LinkList::Service, 0)};
    for (const LinkList list : kTableLists)
        for (int p = 0; p < kReferenceLinksPerList; ++p) links.push_back(ReferenceLink(list, p));
    for (const std::string& link : links) {
        if (!IsHelpLink(link)) continue;
        const std::string id = "id=\"" + link.substr(5) + "\"";
        EXPECT_NE(page.find(id), std::string::npos) << "missing section " << id;
    }
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

}  // namespace
}  // namespace brisko::ui
