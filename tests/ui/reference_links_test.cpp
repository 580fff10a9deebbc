// What the main window shows for a list entry: its description and its "more
// information" page, and the help-file URLs.
#include "ui/reference_links.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/embedded_text_resources.h"
#include "platform/text_resources.h"

namespace brisko::ui {
namespace {

const LinkList kTableLists[] = {LinkList::System, LinkList::Desktop, LinkList::Explorer, LinkList::Power,
                                LinkList::Others, LinkList::Utility, LinkList::Info};

bool IsWebLink(const std::string& link) { return link.starts_with("https://") || link.starts_with("http://"); }
bool IsHelpLink(const std::string& link) { return link.starts_with("help:") && link.size() > 5; }

// The help page as shipped in the source tree, found from this file's place.
std::string ReadHelpPage() {
    std::string path = __FILE__;
    const auto cut = path.rfind("tests");
    if (cut == std::string::npos) return {};
    path = path.substr(0, cut) + "resources/help/brisko-help.html";
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// A list entry's description "<page><position>Text" for each entry of the page's
// list "<page>Text", the introduction and the services template: the window
// skips a missing one without a word.
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

TEST(ReferenceLinks, EveryEntryHasAWebOrHelpPageButTheLastOthersEntry) {
    for (const LinkList list : kTableLists) {
        for (int p = 0; p < kReferenceLinksPerList; ++p) {
            const std::string link = ReferenceLink(list, p);
            if (list == LinkList::Others && p == 9) {
                EXPECT_TRUE(link.empty()) << "Others 10 has no page, so the button is disabled";
                continue;
            }
            EXPECT_TRUE(IsWebLink(link) || IsHelpLink(link))
                << "list " << static_cast<int>(list) << ", position " << p << ": " << link;
        }
    }
}

TEST(ReferenceLinks, EveryServiceSharesOnePageAndNoSelectionHasNone) {
    const std::string service = ReferenceLink(LinkList::Service, 0);
    EXPECT_TRUE(IsHelpLink(service) || IsWebLink(service));
    for (const int p : {1, 57, 199}) EXPECT_EQ(ReferenceLink(LinkList::Service, p), service) << p;
    EXPECT_EQ(ReferenceLink(LinkList::System, -1), "");
    EXPECT_EQ(ReferenceLink(LinkList::Service, -1), "");
    EXPECT_EQ(ReferenceLink(LinkList::Utility, 10), "") << "only ten entries per list";
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
    EXPECT_NE(page.find("<meta charset=\"utf-8\">"), std::string::npos);
}

// Help links become file URLs of the help page beside the program; any other
// link, or a missing folder, passes through unchanged.
TEST(ReferenceLinks, HelpFileUrls) {
    const struct {
        const char *link, *folder, *url;
    } cases[] = {
        {"help:System1", "C:\\Program Files\\Brisko",
         "file:///C:/Program%20Files/Brisko/help/brisko-help.html#System1"},
        {"help:Top", "C:\\Brisko\\", "file:///C:/Brisko/help/brisko-help.html#Top"},
        {"help:Services", "D:\\", "file:///D:/help/brisko-help.html#Services"},
        {"help:PCInfo9", "\\\\server\\tools\\Brisko", "file://server/tools/Brisko/help/brisko-help.html#PCInfo9"},
        {"help:Top", "C:\\100% fast #1", "file:///C:/100%25%20fast%20%231/help/brisko-help.html#Top"},
        {"help:Top", "C:\\ツール\\Brisko", "file:///C:/ツール/Brisko/help/brisko-help.html#Top"},
        {"http://example.com/a b", "C:\\Brisko", "http://example.com/a b"},
        {"", "C:\\Brisko", ""},
        {"help:Top", "", "help:Top"},
        {"helpdesk", "C:\\Brisko", "helpdesk"},
    };
    for (const auto& c : cases) EXPECT_EQ(HelpFileUrl(c.link, c.folder), c.url) << c.link << " in " << c.folder;
}

}  // namespace
}  // namespace brisko::ui
