#pragma once
// The service control manager through advapi32. The manager and each service
// are opened with only the access the call needs (win32_service_manager.cpp:
// queries; win32_service_control.cpp: changes).
#include "platform/service_manager.h"

namespace brisko::win32 {

class Win32ServiceManager final : public ServiceManager {
public:
    ServiceState QueryState(const std::string& keyName) override;
    std::optional<std::vector<std::pair<std::string, ServiceState>>> EnumerateStates() override;
    // Through RegLoadMUIStringW, looked up at run time (Vista and later).
    std::optional<std::string> IndirectText(const std::string& keyName, const std::string& valueName) override;
    std::optional<std::vector<std::string>> ActiveDependents(const std::string& keyName) override;

    std::optional<unsigned long> StartType(const std::string& keyName) override;
    ServiceAccess Access(const std::string& keyName) override;
    ServiceAnswer StopAndWait(const std::string& keyName, std::chrono::milliseconds bound) override;
    ServiceAnswer PauseAndWait(const std::string& keyName, std::chrono::milliseconds bound) override;
    ServiceAnswer ContinueAndWait(const std::string& keyName, std::chrono::milliseconds bound) override;
    ServiceAnswer StartAndWait(const std::string& keyName, std::chrono::milliseconds bound) override;
    ServiceAnswer ChangeStartType(const std::string& keyName, unsigned long startType) override;
};

}  // namespace brisko::win32
