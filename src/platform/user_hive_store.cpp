#include "platform/user_hive_store.h"

namespace brisko {

std::string HiveName(const UserHive& hive) {
    if (hive.sid == kDefaultProfileSid) return "既定のユーザー (Default プロファイル)";
    if (hive.sid.empty()) return "このアカウント";
    return hive.sid + (hive.account.empty() ? "" : " (" + hive.account + ")");
}

namespace {
std::string Below(const std::string& top, const std::string& path) { return path.empty() ? top : JoinKeyPath(top, path); }
}  // namespace

UserHiveStore::Place UserHiveStore::Mapped(RegRoot root, const std::string& path) const {
    if (root == RegRoot::CurrentUser && !route_.hive.usersKey.empty())
        return {RegRoot::Users, Below(route_.hive.usersKey, path)};
    if (root == RegRoot::ClassesRoot && route_.machineClasses)
        return {RegRoot::LocalMachine, Below("Software\\Classes", path)};
    return {root, path};
}

bool UserHiveStore::CanOpenKey(RegRoot root, const std::string& path, RegAccess access) {
    const Place p = Mapped(root, path);
    return inner_.CanOpenKey(p.root, p.path, access);
}

bool UserHiveStore::CreateKey(RegRoot root, const std::string& path) {
    const Place p = Mapped(root, path);
    return inner_.CreateKey(p.root, p.path);
}

std::optional<RegValueData> UserHiveStore::QueryValue(RegRoot root, const std::string& path, const std::string& name,
                                                      RegAccess access) {
    const Place p = Mapped(root, path);
    return inner_.QueryValue(p.root, p.path, name, access);
}

bool UserHiveStore::SetValue(RegRoot root, const std::string& path, const std::string& name,
                             const RegValueData& value) {
    const Place p = Mapped(root, path);
    return inner_.SetValue(p.root, p.path, name, value);
}

bool UserHiveStore::DeleteValue(RegRoot root, const std::string& path, const std::string& name) {
    const Place p = Mapped(root, path);
    return inner_.DeleteValue(p.root, p.path, name);
}

std::vector<std::string> UserHiveStore::SubKeyNames(RegRoot root, const std::string& path) {
    const Place p = Mapped(root, path);
    return inner_.SubKeyNames(p.root, p.path);
}

std::vector<std::string> UserHiveStore::ValueNames(RegRoot root, const std::string& path) {
    const Place p = Mapped(root, path);
    return inner_.ValueNames(p.root, p.path);
}

bool UserHiveStore::DeleteKey(RegRoot root, const std::string& path) {
    const Place p = Mapped(root, path);
    return inner_.DeleteKey(p.root, p.path);
}

}  // namespace brisko
