#include "ui/reference_links.h"

#include <array>
#include <string_view>

namespace brisko::ui {
namespace {

constexpr std::string_view kHelpPrefix = "help:";
constexpr std::string_view kHelpFile = "help/brisko-help.html";

using LinkRow = std::array<std::string_view, kReferenceLinksPerList>;

// One row per list, in the order of LinkList (the service list has its own
// single link below). Entries without a current Microsoft page point at the
// entry's section of the local help file.
constexpr std::array<LinkRow, 7> kLinks = {{
    // System
    {{
        "help:System1",
        "help:System2",
        "help:System3",
        // Windows 2000 registry reference: IoPageLockLimit.
        "https://learn.microsoft.com/en-us/previous-versions/windows/it-pro/windows-2000-server/"
        "cc959494(v=technet.10)",
        "help:System5",
        // "Debugging with the Shell": how and when the shell unloads extension DLLs.
        "https://learn.microsoft.com/en-us/previous-versions/bb776795(v=vs.85)",
        "help:System7",
        "help:System8",
        "help:System9",
        "help:System10",
    }},
    // Desktop
    {{
        "help:Desktop1",
        "help:Desktop2",
        "help:Desktop3",
        "help:Desktop4",
        "help:Desktop5",
        "help:Desktop6",
        "help:Desktop7",
        "help:Desktop8",
        "help:Desktop9",
        "help:Desktop10",
    }},
    // Explorer
    {{
        "help:Explorer1",
        "help:Explorer2",
        "help:Explorer3",
        "help:Explorer4",
        // fsutil behavior (Japanese): the last-access time and 8.3 name settings of NTFS.
        "https://learn.microsoft.com/ja-jp/windows-server/administration/windows-commands/fsutil-behavior",
        "help:Explorer6",
        "help:Explorer7",
        "help:Explorer8",
        "help:Explorer9",
        "help:Explorer10",
    }},
    // Startup and shutdown
    {{
        // defrag command (Japanese), with its boot optimisation switch.
        "https://learn.microsoft.com/ja-jp/windows-server/administration/windows-commands/defrag",
        // RM_SHUTDOWN_TYPE: names WaitToKillServiceTimeout as the wait before services are stopped.
        "https://learn.microsoft.com/en-us/windows/win32/api/restartmanager/ne-restartmanager-rm_shutdown_type",
        "help:Power3",
        "help:Power4",
        // KB 833721: the Boot.ini switches of Windows XP, /noguiboot among them.
        "https://learn.microsoft.com/troubleshoot/windows-server/performance/switch-options-for-boot-files",
        // Windows 2000 registry reference: WaitToKillAppTimeout, together with AutoEndTasks.
        "https://learn.microsoft.com/en-us/previous-versions/windows/it-pro/windows-2000-server/"
        "cc978624(v=technet.10)",
        // The same entry: how long the system waits for programs at logoff and shutdown.
        "https://learn.microsoft.com/en-us/previous-versions/windows/it-pro/windows-2000-server/"
        "cc978624(v=technet.10)",
        // Initial processing of Group Policy: synchronous and asynchronous foreground processing.
        "https://learn.microsoft.com/en-us/previous-versions/windows/desktop/Policy/"
        "initial-processing-of-group-policy",
        "help:Power9",
        "help:Power10",
    }},
    // Others; the tenth entry has no page at all.
    {{
        "help:Others1",
        "help:Others2",
        "help:Others3",
        "help:Others4",
        "help:Others5",
        "help:Others6",
        "help:Others7",
        "help:Others8",
        "help:Others9",
        "",
    }},
    // Utilities
    {{
        "help:Utility1",
        "help:Utility2",
        "help:Utility3",
        "help:Utility4",
        "help:Utility5",
        // KB 256986: the Windows registry for advanced users.
        "https://learn.microsoft.com/troubleshoot/windows-server/performance/windows-registry-advanced-users",
        "help:Utility7",
        "help:Utility8",
        "help:Utility9",
        "help:Utility10",
    }},
    // PC information; the CPU and CPUID entries share one page.
    {{
        "help:PCInfo1",
        "help:PCInfo2",
        "help:PCInfo3",
        "https://ja.wikipedia.org/wiki/Microsoft_Windows",
        // ver command (Japanese): how to read the version number of Windows.
        "https://learn.microsoft.com/ja-jp/windows-server/administration/windows-commands/ver",
        "help:PCInfo6",
        "help:PCInfo7",
        "help:PCInfo8",
        "help:PCInfo9",
        "help:PCInfo9",
    }},
}};

constexpr std::string_view kServiceLink = "help:Services";
constexpr std::string_view kHomePageLink = "help:Top";

// Characters that cannot stand as they are in the path of a file URL.
bool NeedsEscape(unsigned char c) {
    if (c < 0x20 || c == 0x7F) return true;
    switch (c) {
        case ' ': case '"': case '#': case '%': case '<': case '>':
        case '?': case '[': case ']': case '^': case '`': case '{':
        case '|': case '}':
            return true;
        default:
            return false;
    }
}

void AppendPathText(std::string& out, std::string_view text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == '\\') {
            out += '/';
        } else if (NeedsEscape(c)) {
            out += '%';
            out += kHex[c >> 4];
            out += kHex[c & 0x0F];
        } else {
            out += ch;
        }
    }
}

}  // namespace

std::string ReferenceLink(LinkList list, int position) {
    if (position < 0) return {};
    if (list == LinkList::Service) return std::string(kServiceLink);
    if (position >= kReferenceLinksPerList) return {};
    return std::string(kLinks[static_cast<std::size_t>(list)][static_cast<std::size_t>(position)]);
}

std::string HomePageLink() { return std::string(kHomePageLink); }

std::string HelpFileUrl(const std::string& link, const std::string& programFolder) {
    if (!link.starts_with(kHelpPrefix) || programFolder.empty()) return link;
    const std::string_view anchor = std::string_view(link).substr(kHelpPrefix.size());

    std::string_view folder = programFolder;
    while (folder.size() > 1 && (folder.back() == '\\' || folder.back() == '/')) folder.remove_suffix(1);
    const bool unc = folder.starts_with("\\\\") || folder.starts_with("//");

    std::string url = unc ? "file:" : "file:///";
    AppendPathText(url, folder);
    if (url.back() != '/') url += '/';
    url += kHelpFile;
    url += '#';
    AppendPathText(url, anchor);
    return url;
}

}  // namespace brisko::ui
