#pragma once
// The "more information" page of every list entry of the main window, and the
// home page. Web pages are plain http(s) addresses; pages of the help file that
// ships beside the program are written "help:<Anchor>" so the table stays
// portable, and HelpFileUrl turns them into a file URL once the program's
// folder is known.
#include <string>

namespace brisko::ui {

enum class LinkList { System, Desktop, Explorer, Power, Others, Utility, Info, Service };

inline constexpr int kReferenceLinksPerList = 10;

// The address for an entry (position 0-based); empty when the entry has none.
// Positions outside 0-9 have no entry either, except on the service list,
// where every entry (position 0 and up) shares one page.
std::string ReferenceLink(LinkList list, int position);

// The program's home page: "help:Top".
std::string HomePageLink();

// A "help:<Anchor>" link as a file URL into <programFolder>\help\brisko-help.html,
// for example "file:///C:/Program%20Files/Brisko/help/brisko-help.html#System1".
// Backslashes become slashes and characters that would break the URL (blank,
// '%', '#', '?' and the like) are %-encoded; other characters, also non-ASCII
// ones, are kept as they are. A UNC folder (\\server\share) gives
// "file://server/share/...". Any other link, http(s) or empty, is returned
// unchanged; so is a help link when the folder is empty.
std::string HelpFileUrl(const std::string& link, const std::string& programFolder);

}  // namespace brisko::ui
