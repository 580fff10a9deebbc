#pragma once
// Logs that only grow at their end, bounded in size: when a log would pass
// its limit, what it holds becomes the one older file (replacing any older
// one) and the new text starts the log afresh. Files are UTF-8 with a byte
// order mark, so Notepad reads them as such.
#include <cstddef>
#include <string>

#include "platform/file_system.h"

namespace brisko {

inline constexpr const char* kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// "...\\brisko-history.log" -> "...\\brisko-history.old.log".
std::string OlderLogPath(const std::string& path);

// Adds text at the end of the log at path (created with its mark when
// missing; its folder too, one level), never rewriting what it holds. False
// when the log could not be written; the caller says so where it reports.
bool AppendToRotatingLog(FileSystem& files, const std::string& path, const std::string& text, size_t limit);

}  // namespace brisko
