#pragma once
// Reading and putting back single registry values of the prefix, for the
// end-to-end tests that let Brisko change them.
#include <windows.h>

#include <optional>
#include <string>

namespace brisko::ui::driver {

struct RawValue {
    DWORD type = 0;
    std::string bytes;
    bool operator==(const RawValue&) const = default;
};

std::optional<RawValue> ReadRaw(HKEY root, const wchar_t* key, const wchar_t* name);
// Writes the value back as it was, or deletes it when it was absent.
void PutBack(HKEY root, const wchar_t* key, const wchar_t* name, const std::optional<RawValue>& value);

}  // namespace brisko::ui::driver
