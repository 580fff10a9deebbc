#include "platform/utilities.h"

#include <cstdio>

#include "platform/error.h"
#include "platform/text/case_fold.h"
#include "platform/text/utf.h"

namespace brisko {

std::string ColorToRgbText(int32_t color) {
    const uint32_t rgb = color == -1 ? 0u : static_cast<uint32_t>(color);
    return std::to_string(rgb & 0xFF) + " " + std::to_string((rgb >> 8) & 0xFF) + " " +
           std::to_string((rgb >> 16) & 0xFF);
}

uint32_t HexTextToInt(const std::string& text) {
    if (text.empty() || text.size() > 8) throw BriskoError(FormatUserMessage("'%s' は16進数ではありません", text));
    uint32_t value = 0;
    for (char c : text) {
        int digit;
        if (c >= '0' && c <= '9') digit = c - '0';
        else if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
        else throw BriskoError(FormatUserMessage("'%s' は16進数ではありません", text));
        value = (value << 4) | static_cast<uint32_t>(digit);
    }
    return value;
}

std::string FormatHex8(uint32_t value) {
    char buf[9];
    std::snprintf(buf, sizeof buf, "%08X", static_cast<unsigned>(value));
    return buf;
}

namespace {

bool CountInto(FileSystem& files, const std::string& folder, size_t& count, const std::function<bool()>& keepAlive) {
    return files.VisitFolder(folder, [&](const FolderEntry& entry) {
        ++count;
        if (keepAlive && count % kEntriesPerKeepAlive == 0 && !keepAlive()) return false;
        return !entry.isFolder || CountInto(files, folder + "\\" + entry.name, count, keepAlive);
    });
}

}  // namespace

size_t CountFolderEntries(FileSystem& files, const std::string& folderPath) {
    return CountFolderEntries(files, folderPath, {}).value_or(0);
}

std::optional<size_t> CountFolderEntries(FileSystem& files, const std::string& folderPath,
                                         const std::function<bool()>& keepAlive) {
    std::string folder = folderPath;
    while (!folder.empty() && folder.back() == '\\') folder.pop_back();
    size_t count = 0;
    if (!CountInto(files, folder, count, keepAlive)) return std::nullopt;
    return count;
}

bool ContainsAnyChar(const std::string& textToSearch, const std::string& characters) {
    const std::u32string hay = text::Utf8ToCodePoints(text::AsciiLower(textToSearch));
    const std::u32string needles = text::Utf8ToCodePoints(text::AsciiLower(characters));
    for (char32_t c : hay)
        if (needles.find(c) != std::u32string::npos) return true;
    return false;
}

}  // namespace brisko
