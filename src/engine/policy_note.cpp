#include "engine/policy_note.h"

#include "platform/text/case_fold.h"

namespace brisko {

namespace {
bool UnderPolicies(const std::string& keyPath) {
    return (text::AsciiLower(keyPath) + "\\").find("\\policies\\") != std::string::npos;
}

bool SettingsShowPolicies(const ProgramContext& ctx) {
    const OsVersion v = ctx.platform.system.Version();
    return v.platformId == 2 && (v.major > 6 || (v.major == 6 && v.minor >= 2));
}
}  // namespace

bool WritesUnderPolicies(const ProgramContext& ctx, TweakCategory category, size_t position) {
    const ItemRule* rule = ctx.items.Rule(category, position);
    if (!rule) return false;
    for (const RegistryValue& v : rule->OptimisedValues(ctx))
        if (UnderPolicies(v.keyPath)) return true;
    return false;
}

std::string PolicyNote(const ProgramContext& ctx, TweakCategory category, size_t position) {
    if (!SettingsShowPolicies(ctx) || !WritesUnderPolicies(ctx, category, position)) return "";
    return "\r\n\r\n※ この項目はポリシーのキー (Policies) に値を書き込むため、Windows の「設定」に"
           "「一部の設定は組織によって管理されています」と表示されることがあります。"
           "この項目のチェックを外して高速化すると、書き込んだ値は削除されます。";
}

}  // namespace brisko
