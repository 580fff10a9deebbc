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

// A value put back as it was when the test ends, however it ends.
class KeptValue {
public:
    KeptValue(HKEY root, const wchar_t* key, const wchar_t* name)
        : root_(root), key_(key), name_(name), before_(ReadRaw(root, key, name)) {}
    ~KeptValue() { PutBack(root_, key_, name_, before_); }
    KeptValue(const KeptValue&) = delete;
    KeptValue& operator=(const KeptValue&) = delete;

    // Whether the value is now as it was, type and bytes.
    bool Unchanged() const;

private:
    HKEY root_;
    const wchar_t* key_;
    const wchar_t* name_;
    std::optional<RawValue> before_;
};

}  // namespace brisko::ui::driver
