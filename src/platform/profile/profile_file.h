#pragma once
// Profile-file operations on a file named by its full path. Reads never fail:
// a missing file, section or key reads "NULL". A write that the file system
// refuses throws BriskoError "<path> に書き込めません".
#include <string>
#include <vector>

#include "platform/file_system.h"

namespace brisko {

// At most 2047 characters (bytes of the ANSI code page) are returned.
std::string IniReadValue(FileSystem& files, const std::string& path, const std::string& section,
                         const std::string& key);
// The value as it stands in the file, its quotes kept (blanks around it still
// dropped): for entries whose quotes mean something, such as boot.ini's.
std::string IniReadRawValue(FileSystem& files, const std::string& path, const std::string& section,
                            const std::string& key);
// Writing "NULL" does nothing at all. A section, key or text holding a line
// break is refused with BriskoError before anything is touched. The file is
// written only when the text changes it; a read-only one keeps its flag.
void IniWriteValue(FileSystem& files, const std::string& path, const std::string& section, const std::string& key,
                   const std::string& text);
// The same for a file the program must never create (the boot file,
// sysoc.inf): a missing one is refused with BriskoError, nothing written.
void IniWriteExistingValue(FileSystem& files, const std::string& path, const std::string& section,
                           const std::string& key, const std::string& text);
// Key names in file order, as many as 16384 bytes of names hold.
std::vector<std::string> IniSectionKeys(FileSystem& files, const std::string& path, const std::string& section);
// Every key of the section with its value, read in one go; a lookup in it
// gives what IniReadValue would.
struct IniSection {
    std::vector<std::pair<std::string, std::string>> entries;
    std::string Read(const std::string& key) const;  // "NULL" when absent
};
IniSection IniReadSection(FileSystem& files, const std::string& path, const std::string& section);

void IniDeleteKey(FileSystem& files, const std::string& path, const std::string& section, const std::string& key);

}  // namespace brisko
