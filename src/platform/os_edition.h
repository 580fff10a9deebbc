#pragma once
// Which Windows the program runs on, and what that rules out. Classification
// is a pure function of the version numbers; the sets it returns are data
// that the item lists and the utilities page consume.
#include <array>
#include <string>
#include <vector>

namespace brisko {

struct OsEdition {
    std::string family;   // "9x", "NT" or empty
    std::string edition;  // "95", "98", "Me", "NT", "2k", "XP" or empty
    bool operator==(const OsEdition&) const = default;
};

struct OsVersion {
    unsigned platformId = 0;  // 1: the Windows 95 line, 2: the NT line
    unsigned major = 0;
    unsigned minor = 0;
};

// Item numbers (1 to 10) per category, in the order System, Desktop,
// Explorer, Power, Others.
using DisabledItemSets = std::array<std::vector<int>, 5>;

struct EditionClassification {
    OsEdition edition;
    DisabledItemSets disabledItems;
    // Main-window controls by name, e.g. "BtnService", "LstHDConvert".
    std::vector<std::string> disabledControls;
};

// An NT system reporting 6.2 or later also gets the set of modern_windows.h.
EditionClassification ClassifyOsEdition(const OsVersion& version);

}  // namespace brisko
