#include "platform/file_system.h"

namespace brisko {

std::string ParentFolder(const std::string& path) {
    std::string p = path;
    while (!p.empty() && (p.back() == '\\' || p.back() == '/')) p.pop_back();
    const auto at = p.find_last_of("\\/");
    return at == std::string::npos ? std::string() : p.substr(0, at);
}

bool FileSystem::VisitFolder(const std::string& path, const std::function<bool(const FolderEntry&)>& visit) {
    for (const FolderEntry& entry : ListFolder(path))
        if (!visit(entry)) return false;
    return true;
}

bool FileSystem::AppendToFile(const std::string& path, const std::string& bytes) {
    const auto before = ReadFile(path);
    if (!before && GetAttributes(path)) return false;
    return WriteReplacing(path, before.value_or("") + bytes);
}

std::optional<uint64_t> FileSystem::FileSize(const std::string& path) {
    const auto bytes = ReadFile(path);
    if (!bytes) return std::nullopt;
    return bytes->size();
}

// A store whose every write is whole has no steps to tell apart.
bool FileSystem::WriteDirect(const std::string& path, const std::string& bytes) { return WriteReplacing(path, bytes); }

bool FileSystem::ReplaceKeeping(const std::string& target, const std::string& temp, const std::string& backup) {
    return MoveReplacing(target, backup) && MoveReplacing(temp, target);
}

bool FileSystem::MoveReplacing(const std::string& from, const std::string& to) {
    const auto bytes = ReadFile(from);
    return bytes && WriteReplacing(to, *bytes) && RemoveFile(from);
}

}  // namespace brisko
