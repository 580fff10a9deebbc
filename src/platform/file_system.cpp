#include "platform/file_system.h"

namespace brisko {

std::string ParentFolder(const std::string& path) {
    std::string p = path;
    while (!p.empty() && (p.back() == '\\' || p.back() == '/')) p.pop_back();
    const auto at = p.find_last_of("\\/");
    return at == std::string::npos ? std::string() : p.substr(0, at);
}

}  // namespace brisko
