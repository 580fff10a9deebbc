#include "platform/tweak_category.h"

namespace brisko {

namespace {
struct CategoryNames {
    std::string_view key, name;
};
constexpr std::array<CategoryNames, kCategoryCount> kNames = {{
    {"System", "システム"},
    {"Desktop", "デスクトップ"},
    {"Explorer", "エクスプローラ"},
    {"Power", "起動・終了"},
    {"Others", "その他"},
    {"Service", "サービス"},
}};
}  // namespace

std::string_view CategoryKey(TweakCategory category) { return kNames[CategoryIndex(category)].key; }
std::string_view CategoryName(TweakCategory category) { return kNames[CategoryIndex(category)].name; }

}  // namespace brisko
