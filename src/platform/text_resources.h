#pragma once
// The program's TEXT resources (item labels, descriptions, page texts).
#include <optional>
#include <string>
#include <vector>

namespace brisko {

class TextResources {
public:
    virtual ~TextResources() = default;
    // The resource's text in UTF-8, or nullopt when the program has none of that name.
    virtual std::optional<std::string> Find(const std::string& name) const = 0;
};

// The resource split into lines (CR LF, LF or CR). A missing resource is a
// fault of the build and throws BriskoError.
std::vector<std::string> LoadTextResource(const TextResources& resources, const std::string& name);

}  // namespace brisko
