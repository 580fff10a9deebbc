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

}  // namespace brisko
