// The "more information" pages of the list entries and the help-file URLs.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "ui/reference_links.h"

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

TEST(ReferenceLinks, SharedPagesAndPositionsWithoutEntries) {
    EXPECT_EQ(ReferenceLink(LinkList::Info, 9), ReferenceLink(LinkList::Info, 8))
        << "the CPUID entry opens the CPU entry's page";

    const std::string service = ReferenceLink(LinkList::Service, 0);
    EXPECT_TRUE(IsHelpLink(service) || IsWebLink(service));
    for (const int p : {1, 9, 10, 57, 199}) EXPECT_EQ(ReferenceLink(LinkList::Service, p), service) << p;

    EXPECT_EQ(ReferenceLink(LinkList::System, -1), "") << "nothing selected";
    EXPECT_EQ(ReferenceLink(LinkList::Service, -1), "");
    EXPECT_EQ(ReferenceLink(LinkList::Utility, 10), "") << "only ten entries per list";
    EXPECT_EQ(HomePageLink(), "help:Top");
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

TEST(ReferenceLinks, HelpLinksBecomeFileUrlsBesideTheProgram) {
    EXPECT_EQ(HelpFileUrl("help:System1", "C:\\Program Files\\Brisko"),
              "file:///C:/Program%20Files/Brisko/help/brisko-help.html#System1");
    EXPECT_EQ(HelpFileUrl("help:Top", "C:\\Brisko\\"), "file:///C:/Brisko/help/brisko-help.html#Top")
        << "a trailing separator adds no empty path step";
    EXPECT_EQ(HelpFileUrl("help:Services", "D:\\"), "file:///D:/help/brisko-help.html#Services");
    EXPECT_EQ(HelpFileUrl("help:PCInfo9", "\\\\server\\tools\\Brisko"),
              "file://server/tools/Brisko/help/brisko-help.html#PCInfo9");
    EXPECT_EQ(HelpFileUrl("help:Top", "C:\\100% fast #1"),
              "file:///C:/100%25%20fast%20%231/help/brisko-help.html#Top")
        << "'%' and '#' in a folder name must not end the path early";
    EXPECT_EQ(HelpFileUrl("help:Top", "C:\\ツール\\Brisko"), "file:///C:/ツール/Brisko/help/brisko-help.html#Top")
        << "non-ASCII folder names are kept as they are";
}

TEST(ReferenceLinks, OtherLinksPassThroughUnchanged) {
    const std::string web = "https://ja.wikipedia.org/wiki/Microsoft_Windows";
    EXPECT_EQ(HelpFileUrl(web, "C:\\Program Files\\Brisko"), web);
    EXPECT_EQ(HelpFileUrl("http://example.com/a b", "C:\\Brisko"), "http://example.com/a b");
    EXPECT_EQ(HelpFileUrl("", "C:\\Brisko"), "") << "an entry without a page stays without one";
    EXPECT_EQ(HelpFileUrl("help:Top", ""), "help:Top") << "no folder, no file URL";
    EXPECT_EQ(HelpFileUrl("helpdesk", "C:\\Brisko"), "helpdesk");
}

}  // namespace
}  // namespace brisko::ui
