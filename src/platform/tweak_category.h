#pragma once
// The six item categories, in the fixed order of every pass over them.
#include <array>
#include <string_view>

namespace brisko {

enum class TweakCategory { System, Desktop, Explorer, Power, Others, Service };

inline constexpr size_t kCategoryCount = 6;
inline constexpr size_t kItemsPerCategory = 10;
// The five categories of numbered items (all but Service).
inline constexpr std::array<TweakCategory, 5> kSettingCategories = {
    TweakCategory::System, TweakCategory::Desktop, TweakCategory::Explorer, TweakCategory::Power,
    TweakCategory::Others};
inline constexpr std::array<TweakCategory, kCategoryCount> kAllCategories = {
    TweakCategory::System, TweakCategory::Desktop, TweakCategory::Explorer,
    TweakCategory::Power,  TweakCategory::Others,  TweakCategory::Service};

// English key: preference keys ("System2") and resource names ("SystemText").
std::string_view CategoryKey(TweakCategory category);
// Japanese name: tab and button caption, section name in backups and preferences.
std::string_view CategoryName(TweakCategory category);
inline size_t CategoryIndex(TweakCategory category) { return static_cast<size_t>(category); }

}  // namespace brisko
