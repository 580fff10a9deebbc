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

std::string MemorySystemInfo::FileSystemName(const std::string& root) {
    const auto found = root.empty() ? fileSystems.end() : fileSystems.find(root[0]);
    return found == fileSystems.end() ? std::string() : found->second;
}

uint64_t MemorySystemInfo::FreeBytesAvailable(const std::string& root) {
    const auto found = root.empty() ? freeBytes.end() : freeBytes.find(root[0]);
    return found == freeBytes.end() ? 0 : found->second;
}

}  // namespace brisko
