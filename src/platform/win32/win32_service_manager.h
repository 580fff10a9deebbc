#pragma once
// The service control manager through advapi32, opened with full access as
// the program always asks (an account without rights sees every state as
// unknown).
#include "platform/service_manager.h"

namespace brisko::win32 {

class Win32ServiceManager final : public ServiceManager {
public:
    ServiceState QueryState(const std::string& keyName) override;
    std::optional<std::vector<std::pair<std::string, ServiceState>>> EnumerateStates() override;
    // Through RegLoadMUIStringW, looked up at run time (Vista and later).
    std::optional<std::string> IndirectText(const std::string& keyName, const std::string& valueName) override;
    std::optional<std::vector<std::string>> ActiveDependents(const std::string& keyName) override;
};

}  // namespace brisko::win32
