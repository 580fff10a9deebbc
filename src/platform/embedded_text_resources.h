#pragma once
// The text resources compiled into the program (see resources/text).
#include <string_view>
#include <vector>

#include "platform/text_resources.h"

namespace brisko {

struct EmbeddedText {
    std::string_view name;
    std::string_view text;
};

// Defined in the file the build generates from resources/text.
const std::vector<EmbeddedText>& EmbeddedTexts();

class EmbeddedTextResources final : public TextResources {
public:
    std::optional<std::string> Find(const std::string& name) const override;
};

}  // namespace brisko
