#include "backup/readable_registry.h"

#include "platform/error.h"
#include "platform/registry_values.h"
#include "platform/text/case_fold.h"

namespace brisko {

namespace {
bool IsServiceKey(RegRoot root, const std::string& path) {
    const std::string services = "system\\currentcontrolset\\services";
    const std::string lower = text::AsciiLower(path);
    return root == RegRoot::LocalMachine && lower.starts_with(services) &&
           (lower.size() == services.size() || lower[services.size()] == '\\');
}
}  // namespace

void ReadableRegistry::RequireFullAccess(RegRoot root, const std::string& path) {
    if (IsServiceKey(root, path)) return;
    auto known = std::make_pair(root, text::AsciiLower(path));
    if (readable_.contains(known)) return;
    if (inner_.CanOpenKey(root, path, RegAccess::Full)) {
        readable_.insert(std::move(known));
        return;
    }
    if (!inner_.CanOpenKey(root, path, RegAccess::Query)) {
        if (missing_.insert(known).second) absent_.emplace_back(root, path);
        return;
    }
    throw BriskoError(FormatUserMessage(
        "レジストリ キー %s を読み取る権限がないため、バックアップを作成できません。\r\n"
        "管理者としてログオンしてから、もう一度実行してください。",
        FullKeyName(root, path)));
}

bool ReadableRegistry::CanOpenKey(RegRoot root, const std::string& path, RegAccess access) {
    if (access == RegAccess::Full) RequireFullAccess(root, path);
    return inner_.CanOpenKey(root, path, access);
}

bool ReadableRegistry::CreateKey(RegRoot root, const std::string& path) { return inner_.CreateKey(root, path); }

std::optional<RegValueData> ReadableRegistry::QueryValue(RegRoot root, const std::string& path, const std::string& name,
                                                          RegAccess access) {
    if (access == RegAccess::Full) RequireFullAccess(root, path);
    return inner_.QueryValue(root, path, name, access);
}

bool ReadableRegistry::SetValue(RegRoot root, const std::string& path, const std::string& name,
                                const RegValueData& value) {
    return inner_.SetValue(root, path, name, value);
}

bool ReadableRegistry::DeleteValue(RegRoot root, const std::string& path, const std::string& name) {
    return inner_.DeleteValue(root, path, name);
}

std::vector<std::string> ReadableRegistry::SubKeyNames(RegRoot root, const std::string& path) {
    RequireFullAccess(root, path);
    return inner_.SubKeyNames(root, path);
}

std::vector<std::string> ReadableRegistry::ValueNames(RegRoot root, const std::string& path) {
    RequireFullAccess(root, path);
    return inner_.ValueNames(root, path);
}

bool ReadableRegistry::DeleteKey(RegRoot root, const std::string& path) { return inner_.DeleteKey(root, path); }

}  // namespace brisko
