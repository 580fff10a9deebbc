#include "engine/unavailable_reason.h"

#include "platform/modern_windows.h"

namespace brisko {

std::string UnavailableNote(ProgramContext& ctx, TweakCategory category, size_t position) {
    if (category == TweakCategory::Service) return {};
    const auto& list = ctx.items.List(category);
    if (position >= list.size() || list[position].enabled) return {};
    if (!IsModernWindows(ctx.platform.system.Version())) return {};
    const std::string_view reason = ModernWindowsReason(CategoryIndex(category), static_cast<int>(position + 1));
    if (reason.empty()) return {};
    return "※ この項目は " + WindowsName(ctx.platform.system.ActualVersion()) + " では使用できません。" +
           std::string(reason) + "\r\n\r\n";
}

}  // namespace brisko
