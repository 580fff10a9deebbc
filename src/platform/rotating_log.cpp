#include "platform/rotating_log.h"

namespace brisko {

std::string OlderLogPath(const std::string& path) {
    const size_t slash = path.find_last_of('\\');
    const size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return path + ".old";
    return path.substr(0, dot) + ".old" + path.substr(dot);
}

bool AppendToRotatingLog(FileSystem& files, const std::string& path, const std::string& text, size_t limit) {
    files.CreateFolder(ParentFolder(path));
    std::string now = files.ReadFile(path).value_or("");
    if (!now.starts_with(kUtf8ByteOrderMark)) now.insert(0, kUtf8ByteOrderMark);
    const size_t mark = std::string(kUtf8ByteOrderMark).size();
    if (now.size() > mark && now.size() + text.size() > limit) {
        if (!files.WriteReplacing(OlderLogPath(path), now)) return false;
        now = kUtf8ByteOrderMark;
    }
    return files.WriteReplacing(path, now + text);
}

}  // namespace brisko
