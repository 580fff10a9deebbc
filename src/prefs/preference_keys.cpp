#include "prefs/preference_keys.h"

namespace brisko::prefkey {

std::string DisabledItemKey(TweakCategory category, int number) {
    return std::string(CategoryKey(category)) + std::to_string(number);
}
std::string UtilityKey(int number) { return "Utility" + std::to_string(number); }
std::string PCInfoKey(int number) { return "PCInfo" + std::to_string(number); }

}  // namespace brisko::prefkey
