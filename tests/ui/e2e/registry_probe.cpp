#include "registry_probe.h"

namespace brisko::ui::driver {

std::optional<RawValue> ReadRaw(HKEY root, const wchar_t* key, const wchar_t* name) {
    HKEY h;
    if (RegOpenKeyExW(root, key, 0, KEY_QUERY_VALUE, &h) != ERROR_SUCCESS) return std::nullopt;
    DWORD type = 0, size = 0;
    std::optional<RawValue> value;
    if (RegQueryValueExW(h, name, nullptr, &type, nullptr, &size) == ERROR_SUCCESS) {
        RawValue v{type, std::string(size, '\0')};
        if (RegQueryValueExW(h, name, nullptr, &type, reinterpret_cast<BYTE*>(v.bytes.data()), &size) == ERROR_SUCCESS)
            value = v;
    }
    RegCloseKey(h);
    return value;
}

void PutBack(HKEY root, const wchar_t* key, const wchar_t* name, const std::optional<RawValue>& value) {
    HKEY h;
    if (RegCreateKeyExW(root, key, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &h, nullptr) != ERROR_SUCCESS) return;
    if (value)
        RegSetValueExW(h, name, 0, value->type, reinterpret_cast<const BYTE*>(value->bytes.data()),
                       static_cast<DWORD>(value->bytes.size()));
    else
        RegDeleteValueW(h, name);
    RegCloseKey(h);
}

bool KeptValue::Unchanged() const {
    const auto now = ReadRaw(root_, key_, name_);
    return now.has_value() == before_.has_value() && (!now || (now->type == before_->type && now->bytes == before_->bytes));
}

}  // namespace brisko::ui::driver
