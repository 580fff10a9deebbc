#include "platform/rotating_log.h"

namespace brisko {

std::string OlderLogPath(const std::string& path) {
    const size_t slash = path.find_last_of('\\');
    const size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return path + ".old";
    return path.substr(0, dot) + ".old" + path.substr(dot);
}

bool AppendToRotatingLog(FileSystem& files, const std::string& path, const std::string& text, size_t limit) {
    if (!files.GetAttributes(ParentFolder(path))) files.CreateFolder(ParentFolder(path));
    // Appended, never rewritten: a log that cannot be read keeps its history,
    // and two runs at once each keep their block.
    const uint64_t size = files.FileSize(path).value_or(0);
    if (size > 0 && size + text.size() > limit) files.MoveReplacing(path, OlderLogPath(path));
    const std::string head = files.GetAttributes(path) ? "" : kUtf8ByteOrderMark;
    return files.AppendToFile(path, head + text);
}

}  // namespace brisko
