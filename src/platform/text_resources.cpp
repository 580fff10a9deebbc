#include "platform/text_resources.h"

#include "platform/error.h"

namespace brisko {

std::vector<std::string> LoadTextResource(const TextResources& resources, const std::string& name) {
    auto textValue = resources.Find(name);
    if (!textValue) throw BriskoError(FormatUserMessage("リソース '%s' が見つかりません", name));
    std::vector<std::string> lines;
    const std::string& t = *textValue;
    size_t start = 0;
    while (start < t.size()) {
        size_t i = t.find_first_of("\r\n", start);
        if (i == std::string::npos) {
            lines.push_back(t.substr(start));
            break;
        }
        lines.push_back(t.substr(start, i - start));
        start = i + ((t[i] == '\r' && i + 1 < t.size() && t[i + 1] == '\n') ? 2 : 1);
    }
    return lines;
}

}  // namespace brisko
