#pragma once
// What the program asks the system about itself: its version, folders and drives.
#include <cstdint>
#include <map>
#include <string>

#include "platform/modern_windows.h"
#include "platform/os_edition.h"

namespace brisko {

enum class DriveType { Unknown = 0, NoRootDir = 1, Removable = 2, Fixed = 3, Remote = 4, CdRom = 5, RamDisk = 6 };

class SystemInfo {
public:
    virtual ~SystemInfo() = default;
    // GetVersionExA's platform id, major and minor version.
    virtual OsVersion Version() = 0;
    // The version the system really is (RtlGetVersion), unaffected by the
    // manifest; only for naming the system to the user.
    virtual WindowsBuild ActualVersion() = 0;
    // The computer's name as this session knows it (GetComputerNameW); empty
    // when it cannot be read.
    virtual std::string ComputerName() = 0;
    // The Windows directory, without a trailing separator.
    virtual std::string WindowsDirectory() = 0;
    // Bit 0 is drive A.
    virtual uint32_t LogicalDriveMask() = 0;
    virtual DriveType TypeOfDrive(const std::string& root) = 0;  // root like "C:\\"
    virtual std::string CurrentDirectory() = 0;
    virtual std::string ExecutablePath() = 0;
    // The file system of the volume at the root ("NTFS", "FAT32"); empty when
    // the volume information cannot be read.
    virtual std::string FileSystemName(const std::string& root) = 0;
    // Bytes free on the drive of the root for the calling user; 0 when unknown.
    virtual uint64_t FreeBytesAvailable(const std::string& root) = 0;
};

// A system described by plain values, for tests and simulated machines.
class MemorySystemInfo final : public SystemInfo {
public:
    OsVersion version{2, 5, 1};
    WindowsBuild actualVersion{5, 1, 2600};
    std::string computerName = "YAMADA-PC";
    std::string windowsDirectory = "C:\\WINDOWS";
    std::string fixedDrives = "C";      // letters of fixed drives
    std::string otherDrives;            // letters of other drives (CD-ROM)
    std::string currentDirectory = "C:\\Documents and Settings\\user";
    std::string executablePath = "C:\\Program Files\\Brisko\\Brisko.exe";
    std::map<char, std::string> fileSystems;  // by drive letter; absent: unreadable
    std::map<char, uint64_t> freeBytes;        // by drive letter; absent: 0

    OsVersion Version() override { return version; }
    WindowsBuild ActualVersion() override { return actualVersion; }
    std::string ComputerName() override { return computerName; }
    std::string WindowsDirectory() override { return windowsDirectory; }
    uint32_t LogicalDriveMask() override;
    DriveType TypeOfDrive(const std::string& root) override;
    std::string CurrentDirectory() override { return currentDirectory; }
    std::string ExecutablePath() override { return executablePath; }
    std::string FileSystemName(const std::string& root) override;
    uint64_t FreeBytesAvailable(const std::string& root) override;
};

}  // namespace brisko
