#pragma once
#include "platform/user_accounts.h"

namespace brisko::win32 {

class Win32UserAccounts final : public UserAccounts {
public:
    std::string ProcessUser() override;
    std::string ShellUser() override;
    std::string AccountName(const std::string& sid) override;
    std::string AccountSid(const std::string& name) override;
    std::string DefaultProfileFolder() override;
    std::string ExpandedPath(const std::string& path) override;
    HiveLoad LoadHive(const std::string& key, const std::string& file) override;
    bool UnloadHive(const std::string& key) override;

private:
    bool privilegesAsked_ = false;
};

}  // namespace brisko::win32
