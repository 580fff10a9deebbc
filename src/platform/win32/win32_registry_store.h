#pragma once
// The real registry through advapi32's wide functions. A 32-bit build on
// 64-bit Windows works on the native 64-bit view, as the items' settings
// live there.
#include "platform/registry_store.h"

namespace brisko::win32 {

class Win32RegistryStore final : public RegistryStore {
public:
    Win32RegistryStore();

    bool CanOpenKey(RegRoot root, const std::string& path, RegAccess access) override;
    bool CreateKey(RegRoot root, const std::string& path) override;
    std::optional<RegValueData> QueryValue(RegRoot root, const std::string& path, const std::string& name,
                                           RegAccess access) override;
    bool SetValue(RegRoot root, const std::string& path, const std::string& name,
                  const RegValueData& value) override;
    bool DeleteValue(RegRoot root, const std::string& path, const std::string& name) override;
    std::vector<std::string> SubKeyNames(RegRoot root, const std::string& path) override;
    std::vector<std::string> ValueNames(RegRoot root, const std::string& path) override;
    bool DeleteKey(RegRoot root, const std::string& path) override;

    // KEY_WOW64_64KEY when running as a 32-bit process on 64-bit Windows.
    unsigned long ViewFlag() const { return viewFlag_; }

private:
    unsigned long viewFlag_ = 0;
};

}  // namespace brisko::win32
