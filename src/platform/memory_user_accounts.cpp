#include "platform/memory_user_accounts.h"

#include <algorithm>

#include "platform/text/case_fold.h"

namespace brisko {

namespace {
// The key and every key below it, parents first.
void Capture(RegistryStore& registry, const std::string& top, const std::string& path, std::vector<StoredHiveKey>& out) {
    const std::string full = path.empty() ? top : top + "\\" + path;
    std::vector<std::pair<std::string, RegValueData>> values;
    for (const auto& name : registry.ValueNames(RegRoot::Users, full))
        if (auto v = registry.QueryValue(RegRoot::Users, full, name, RegAccess::Query)) values.emplace_back(name, *v);
    out.push_back({path, std::move(values)});
    for (const auto& sub : registry.SubKeyNames(RegRoot::Users, full)) Capture(registry, top, JoinKeyPath(path, sub), out);
}

void DeleteTree(RegistryStore& registry, const std::string& path) {
    for (const auto& sub : registry.SubKeyNames(RegRoot::Users, path)) DeleteTree(registry, path + "\\" + sub);
    registry.DeleteKey(RegRoot::Users, path);
}
}  // namespace

std::string MemoryUserAccounts::Folded(const std::string& path) { return text::AsciiLower(path); }

std::string MemoryUserAccounts::AccountName(const std::string& sid) {
    const auto it = names.find(sid);
    return it == names.end() ? "" : it->second;
}

std::string MemoryUserAccounts::AccountSid(const std::string& name) {
    for (const auto& [sid, full] : names) {
        const std::string bare = full.substr(full.find('\\') == std::string::npos ? 0 : full.find('\\') + 1);
        if (text::AsciiNamesEqual(full, name) || text::AsciiNamesEqual(bare, name)) return sid;
    }
    return "";
}

std::string MemoryUserAccounts::ExpandedPath(const std::string& path) {
    const std::string var = "%SystemDrive%";
    std::string out = path;
    if (Folded(out).starts_with(Folded(var))) out = systemDrive + out.substr(var.size());
    return out;
}

void MemoryUserAccounts::AddHiveFile(const std::string& path) { files_[Folded(path)] = {StoredHiveKey{"", {}}}; }

HiveLoad MemoryUserAccounts::LoadHive(const std::string& key, const std::string& file) {
    constexpr unsigned long kSharingViolation = 32, kFileNotFound = 2, kAlreadyThere = 1009;
    const std::string folded = Folded(file);
    const bool inUse = locked_.contains(folded) ||
                       std::any_of(loaded_.begin(), loaded_.end(), [&](const auto& l) { return l.second == folded; });
    if (inUse) return {HiveLoad::Kind::InUse, kSharingViolation};
    const auto it = files_.find(folded);
    if (it == files_.end()) return {HiveLoad::Kind::Missing, kFileNotFound};
    if (registry_.CanOpenKey(RegRoot::Users, key, RegAccess::Query)) return {HiveLoad::Kind::Refused, kAlreadyThere};
    for (const StoredHiveKey& k : it->second) {
        const std::string path = k.path.empty() ? key : key + "\\" + k.path;
        registry_.CreateKey(RegRoot::Users, path);
        for (const auto& [name, value] : k.values) registry_.SetValue(RegRoot::Users, path, name, value);
    }
    loaded_[key] = folded;
    ++loads_[folded];
    return {};
}

bool MemoryUserAccounts::UnloadHive(const std::string& key) {
    const auto it = loaded_.find(key);
    if (it == loaded_.end()) return false;
    HiveFile& file = files_[it->second];
    file.clear();
    Capture(registry_, key, "", file);
    DeleteTree(registry_, key);
    loaded_.erase(it);
    return true;
}

std::vector<std::string> MemoryUserAccounts::Loaded() const {
    std::vector<std::string> keys;
    for (const auto& l : loaded_) keys.push_back(l.first);
    return keys;
}

int MemoryUserAccounts::Loads(const std::string& path) const {
    const auto it = loads_.find(Folded(path));
    return it == loads_.end() ? 0 : it->second;
}

std::optional<RegValueData> MemoryUserAccounts::FileValue(const std::string& file, const std::string& path,
                                                          const std::string& name) const {
    const auto it = files_.find(Folded(file));
    if (it == files_.end()) return std::nullopt;
    for (const StoredHiveKey& k : it->second)
        if (text::AsciiNamesEqual(k.path, path))
            for (const auto& [n, v] : k.values)
                if (text::AsciiNamesEqual(n, name)) return v;
    return std::nullopt;
}

}  // namespace brisko
