#pragma once
#include "platform/system_info.h"

namespace brisko::win32 {

class Win32SystemInfo final : public SystemInfo {
public:
    OsVersion Version() override;
    WindowsBuild ActualVersion() override;
    std::string ComputerName() override;
    std::string WindowsDirectory() override;
    uint32_t LogicalDriveMask() override;
    DriveType TypeOfDrive(const std::string& root) override;
    std::string CurrentDirectory() override;
    std::string ExecutablePath() override;
    std::string FileSystemName(const std::string& root) override;
    uint64_t FreeBytesAvailable(const std::string& root) override;
};

}  // namespace brisko::win32
