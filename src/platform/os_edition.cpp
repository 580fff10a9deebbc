#include "platform/os_edition.h"

#include <algorithm>

#include "platform/modern_windows.h"

namespace brisko {

namespace {
struct DisableSet {
    DisabledItemSets items;
    std::vector<std::string> controls;
};

// System, Desktop, Explorer, Power, Others.
const DisableSet k9x{{{{1, 2, 3, 4, 8, 9, 10}, {1, 3, 8, 9, 10}, {1, 3, 4, 5, 6, 7, 9}, {1, 2, 4, 8, 9, 10}, {4, 5}}},
                     {"BtnService", "BtnGroup", "BtnDiskMgmt", "BtnConvert", "LstHDConvert"}};
const DisableSet k95Extras{{{{}, {}, {8}, {}, {}}}, {"BtnMS"}};
const DisableSet k98Extras{{{{}, {}, {8}, {}, {}}}, {}};
const DisableSet kNt{{{{8, 9, 10}, {1, 3, 8, 9, 10}, {1, 3, 7, 8, 9}, {1}, {4, 5}}}, {"BtnMS", "BtnGroup", "BtnDiskMgmt"}};
const DisableSet k2k{{{{6, 8, 10}, {1, 3, 9, 10}, {1, 7, 8, 9}, {1}, {}}}, {"BtnMS", "LstHDDefrag"}};
const DisableSet kXp{{{{6}, {}, {}, {}, {}}}, {}};

void Add(EditionClassification& c, const DisableSet& set) {
    for (size_t cat = 0; cat < set.items.size(); ++cat)
        for (int item : set.items[cat]) {
            auto& list = c.disabledItems[cat];
            if (std::find(list.begin(), list.end(), item) == list.end()) list.push_back(item);
        }
    for (const auto& control : set.controls) c.disabledControls.push_back(control);
}
}  // namespace

EditionClassification ClassifyOsEdition(const OsVersion& v) {
    EditionClassification c;
    if (v.platformId == 1) {
        c.edition.family = "9x";
        Add(c, k9x);
        if (v.minor == 0) {
            c.edition.edition = "95";
            Add(c, k95Extras);
        } else if (v.minor == 10) {
            c.edition.edition = "98";
            Add(c, k98Extras);
        } else if (v.minor == 90) {
            c.edition.edition = "Me";
        }
    } else if (v.platformId == 2) {
        c.edition.family = "NT";
        if (v.major == 4) {
            c.edition.edition = "NT";
            Add(c, kNt);
        } else if (v.major == 5 && v.minor == 0) {
            c.edition.edition = "2k";
            Add(c, k2k);
        } else if ((v.major == 5 && (v.minor == 1 || v.minor == 2)) || v.major == 6) {
            c.edition.edition = "XP";
            Add(c, kXp);
        }
        // Windows 8 and later keep the edition rules above and lose the
        // items that do nothing or harm there.
        if (IsModernWindows(v)) Add(c, DisableSet{ModernWindowsSet(), {}});
    }
    return c;
}

}  // namespace brisko
