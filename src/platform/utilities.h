#pragma once
// Small helpers several parts of the program share.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "platform/file_system.h"

namespace brisko {

// A 24-bit colour (red in the low byte) as "R G B" in decimal; -1 is black.
std::string ColorToRgbText(int32_t color);

// Hexadecimal digits (either case, no prefix, at most eight) to a number.
// Throws BriskoError for anything else.
uint32_t HexTextToInt(const std::string& text);

// Exactly eight upper-case hexadecimal digits.
std::string FormatHex8(uint32_t value);

// Files plus folders below the folder, at every depth.
size_t CountFolderEntries(FileSystem& files, const std::string& folderPath);
// The same count for a tree that may be large: keepAlive is called after
// every kEntriesPerKeepAlive entries (the window layer pumps its messages
// there). When keepAlive returns false the count is abandoned: nullopt.
inline constexpr size_t kEntriesPerKeepAlive = 64;
std::optional<size_t> CountFolderEntries(FileSystem& files, const std::string& folderPath,
                                         const std::function<bool()>& keepAlive);

// Whether any of the (ASCII) characters occurs in the text, ignoring case.
// The text is searched character by character, so no byte inside a
// multi-byte character ever matches.
bool ContainsAnyChar(const std::string& text, const std::string& characters);

}  // namespace brisko
