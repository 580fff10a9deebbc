#include "platform/embedded_text_resources.h"

namespace brisko {

std::optional<std::string> EmbeddedTextResources::Find(const std::string& name) const {
    for (const auto& t : EmbeddedTexts())
        if (t.name == name) return std::string(t.text);
    return std::nullopt;
}

}  // namespace brisko
