#include "platform/win32/win32_registry_store.h"

#include <windows.h>

#include "platform/win32/wide.h"
#include "platform/win32/wow64.h"

namespace brisko::win32 {

namespace {
HKEY RootHandle(RegRoot root) {
    switch (root) {
        case RegRoot::ClassesRoot: return HKEY_CLASSES_ROOT;
        case RegRoot::CurrentUser: return HKEY_CURRENT_USER;
        case RegRoot::LocalMachine: return HKEY_LOCAL_MACHINE;
        case RegRoot::Users: return HKEY_USERS;
    }
    return HKEY_CURRENT_USER;
}

// An open key, closed when it goes.
class Key {
public:
    Key(RegRoot root, const std::string& path, REGSAM sam) {
        if (RegOpenKeyExW(RootHandle(root), Widen(path).c_str(), 0, sam, &h_) != ERROR_SUCCESS) h_ = nullptr;
    }
    ~Key() {
        if (h_) RegCloseKey(h_);
    }
    Key(const Key&) = delete;
    Key& operator=(const Key&) = delete;
    explicit operator bool() const { return h_ != nullptr; }
    HKEY get() const { return h_; }

private:
    HKEY h_ = nullptr;
};

REGSAM Sam(RegAccess access) { return access == RegAccess::Full ? KEY_ALL_ACCESS : KEY_QUERY_VALUE | KEY_ENUMERATE_SUB_KEYS; }

// Names by index until the enumeration ends (key names are at most 255
// characters, value names 16383).
template <typename EnumFn>
std::vector<std::string> EnumerateNames(const Key& key, EnumFn enumerate) {
    std::vector<std::string> names;
    if (!key) return names;
    std::wstring buf(16384, L'\0');
    for (DWORD i = 0;; ++i) {
        DWORD len = static_cast<DWORD>(buf.size());
        if (enumerate(key.get(), i, buf.data(), &len) != ERROR_SUCCESS) break;
        names.push_back(Narrow(buf.substr(0, len)));
    }
    return names;
}

// The x86 program on 64-bit Windows reads and writes the 64-bit view.
unsigned long DetectViewFlag() { return RunningUnderWow64() ? KEY_WOW64_64KEY : 0; }
}  // namespace

Win32RegistryStore::Win32RegistryStore() : viewFlag_(DetectViewFlag()) {}

bool Win32RegistryStore::CanOpenKey(RegRoot root, const std::string& path, RegAccess access) {
    return static_cast<bool>(Key(root, path, Sam(access) | viewFlag_));
}

bool Win32RegistryStore::CreateKey(RegRoot root, const std::string& path) {
    HKEY h = nullptr;
    if (RegCreateKeyExW(RootHandle(root), Widen(path).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_ALL_ACCESS | viewFlag_, nullptr, &h, nullptr) != ERROR_SUCCESS)
        return false;
    RegCloseKey(h);
    return true;
}

std::optional<RegValueData> Win32RegistryStore::QueryValue(RegRoot root, const std::string& path,
                                                           const std::string& name, RegAccess access) {
    Key key(root, path, Sam(access) | viewFlag_);
    if (!key) return std::nullopt;
    const std::wstring wname = Widen(name);
    DWORD type = 0, size = 0;
    if (RegQueryValueExW(key.get(), wname.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
        return std::nullopt;
    std::string bytes(size, '\0');
    if (size && RegQueryValueExW(key.get(), wname.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(bytes.data()),
                                 &size) != ERROR_SUCCESS)
        return std::nullopt;
    bytes.resize(size);
    return RegValueData{type, bytes};
}

bool Win32RegistryStore::SetValue(RegRoot root, const std::string& path, const std::string& name,
                                  const RegValueData& value) {
    Key key(root, path, KEY_ALL_ACCESS | viewFlag_);
    return key && RegSetValueExW(key.get(), Widen(name).c_str(), 0, value.type,
                                 reinterpret_cast<const BYTE*>(value.bytes.data()),
                                 static_cast<DWORD>(value.bytes.size())) == ERROR_SUCCESS;
}

bool Win32RegistryStore::DeleteValue(RegRoot root, const std::string& path, const std::string& name) {
    Key key(root, path, KEY_ALL_ACCESS | viewFlag_);
    return key && RegDeleteValueW(key.get(), Widen(name).c_str()) == ERROR_SUCCESS;
}

std::vector<std::string> Win32RegistryStore::SubKeyNames(RegRoot root, const std::string& path) {
    return EnumerateNames(Key(root, path, KEY_ENUMERATE_SUB_KEYS | KEY_QUERY_VALUE | viewFlag_),
                          [](HKEY h, DWORD i, wchar_t* buf, DWORD* len) {
                              return RegEnumKeyExW(h, i, buf, len, nullptr, nullptr, nullptr, nullptr);
                          });
}

std::vector<std::string> Win32RegistryStore::ValueNames(RegRoot root, const std::string& path) {
    return EnumerateNames(Key(root, path, KEY_QUERY_VALUE | viewFlag_), [](HKEY h, DWORD i, wchar_t* buf, DWORD* len) {
        return RegEnumValueW(h, i, buf, len, nullptr, nullptr, nullptr, nullptr);
    });
}

bool Win32RegistryStore::DeleteKey(RegRoot root, const std::string& path) {
    const auto cut = path.find_last_of('\\');
    const std::string parentPath = cut == std::string::npos ? std::string() : path.substr(0, cut);
    const std::string leaf = cut == std::string::npos ? path : path.substr(cut + 1);
    Key parent(root, parentPath, KEY_ALL_ACCESS | viewFlag_);
    if (!parent) return false;
    if (viewFlag_) {
        // RegDeleteKeyW cannot name the view; RegDeleteKeyExW can (XP x64 and later).
        using DeleteExFn = LONG(WINAPI*)(HKEY, LPCWSTR, REGSAM, DWORD);
        auto fn = reinterpret_cast<DeleteExFn>(
            reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"advapi32.dll"), "RegDeleteKeyExW")));
        if (fn) return fn(parent.get(), Widen(leaf).c_str(), viewFlag_, 0) == ERROR_SUCCESS;
    }
    return RegDeleteKeyW(parent.get(), Widen(leaf).c_str()) == ERROR_SUCCESS;
}

}  // namespace brisko::win32
