#include "platform/system_info.h"

namespace brisko {

uint32_t MemorySystemInfo::LogicalDriveMask() {
    uint32_t mask = 0;
    for (char c : fixedDrives + otherDrives) mask |= 1u << (c - 'A');
    return mask;
}

DriveType MemorySystemInfo::TypeOfDrive(const std::string& root) {
    if (root.empty()) return DriveType::NoRootDir;
    const char letter = root[0];
    if (fixedDrives.find(letter) != std::string::npos) return DriveType::Fixed;
    if (otherDrives.find(letter) != std::string::npos) return DriveType::CdRom;
    return DriveType::NoRootDir;
}

}  // namespace brisko
