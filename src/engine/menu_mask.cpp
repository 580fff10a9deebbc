#include "engine/menu_mask.h"

#include <algorithm>
#include <cctype>

#include "platform/error.h"
#include "platform/registry_values.h"
#include "platform/value_text.h"

namespace brisko {

namespace {
const RegRoot HKCU = RegRoot::CurrentUser;
const std::string kDesk = "\\Control Panel\\Desktop";

bool IsLongMask(const std::string& s) {
    return s.size() > 8 && s.size() % 2 == 0 &&
           std::all_of(s.begin(), s.end(), [](unsigned char c) { return std::isxdigit(c) != 0; });
}

std::string ToHex(const std::string& bytes) {
    static const char digits[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char b : bytes) {
        out.push_back(digits[b >> 4]);
        out.push_back(digits[b & 0xF]);
    }
    return out;
}

std::string FromHex(const std::string& hex) {
    std::string bytes;
    for (size_t i = 0; i + 1 < hex.size(); i += 2)
        bytes.push_back(static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16)));
    return bytes;
}
}  // namespace

std::string MenuMaskName(const ProgramContext& ctx) {
    return ctx.os.family == "9x" ? "UserPreferenceMask" : "UserPreferencesMask";
}

std::string ReadMenuMask(ProgramContext& ctx) {
    const std::string name = MenuMaskName(ctx);
    const std::string read = RegReadValue(ctx.platform.registry, HKCU, kDesk, name, kind::kBinary);
    if (read != kUnfitType) return read;
    const auto raw = ctx.platform.registry.QueryValue(HKCU, kDesk.substr(1), name, RegAccess::Full);
    const bool binary =
        raw && raw->type != regtype::kSz && raw->type != regtype::kExpandSz && raw->type != regtype::kDword;
    return binary && raw->bytes.size() > 4 ? ToHex(raw->bytes) : read;
}

void WriteMenuMask(ProgramContext& ctx, const std::string& maskText) {
    const std::string name = MenuMaskName(ctx);
    if (!IsLongMask(maskText)) {
        RegWriteValue(ctx.platform.registry, HKCU, kDesk, name, kind::kBinary, maskText);
        return;
    }
    RegistryStore& reg = ctx.platform.registry;
    reg.CreateKey(HKCU, kDesk.substr(1));
    if (!reg.SetValue(HKCU, kDesk.substr(1), name, {regtype::kBinary, FromHex(maskText)}))
        throw BriskoError(FormatUserMessage("'%s' の設定に失敗しました", name));
}

}  // namespace brisko
