#pragma once
// Windows 8 and later: what the items written for XP do there. Without a
// compatibility section in the manifest these systems report 6.2 to
// GetVersionExA, so the edition rules treat them as XP; the items listed here
// are inert, harmful or cannot be told apart there, and are made unavailable
// as one more edition set. Each carries the reason the description shows.
#include <string>
#include <string_view>
#include <vector>

#include "platform/os_edition.h"

namespace brisko {

// The numbers the real system reports (RtlGetVersion), only to name it.
struct WindowsBuild {
    unsigned major = 0;
    unsigned minor = 0;
    unsigned build = 0;
};

// An NT system reporting 6.2 or later.
bool IsModernWindows(const OsVersion& version);

// The set: items by category (System, Desktop, Explorer, Power, Others).
DisabledItemSets ModernWindowsSet();

// Why item `number` (1 to 10) of the category at `categoryIndex` (0 System
// ... 4 Others) is unavailable on such a system; empty when it is not in the set.
std::string_view ModernWindowsReason(size_t categoryIndex, int number);

// "Windows 10 (10.0.19045)", "Windows 8.1 (6.3.9600)", ...
std::string WindowsName(const WindowsBuild& build);

}  // namespace brisko
