#include "prefs/disabling_choices.h"

#include "prefs/preference_keys.h"

namespace brisko {

const std::vector<std::string>& DisablingKeys() {
    static const std::vector<std::string> keys = [] {
        std::vector<std::string> k;
        for (TweakCategory c : kSettingCategories)
            for (int n = 1; n <= 10; ++n) k.push_back(prefkey::DisabledItemKey(c, n));
        k.emplace_back(prefkey::kServicePage);
        for (int n = 1; n <= 10; ++n) k.push_back(prefkey::UtilityKey(n));
        for (int n = 1; n <= 3; ++n) k.push_back(prefkey::PCInfoKey(n));
        return k;
    }();
    return keys;
}

DisablingBox DisablingBoxOf(const std::string& key, const std::string& value) {
    if (value == prefkey::kDisabledByProgram) return {true, false};
    const bool service = key == prefkey::kServicePage;
    return {value == prefkey::kDisabledByUser || (service && value == "NULL"), true};
}

void StoreDisablingBoxes(Preferences& prefs, const std::vector<DisablingBox>& boxes) {
    const auto& keys = DisablingKeys();
    for (size_t i = 0; i < keys.size() && i < boxes.size(); ++i) {
        if (!boxes[i].enabled) continue;
        if (boxes[i].ticked) prefs.Write(prefkey::kDisabledItem, keys[i], std::string(prefkey::kDisabledByUser));
        else if (keys[i] == prefkey::kServicePage)
            prefs.Write(prefkey::kDisabledItem, keys[i], std::string(prefkey::kServicePageEnabled));
        else prefs.Delete(prefkey::kDisabledItem, keys[i]);
    }
}

}  // namespace brisko
