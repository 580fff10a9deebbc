#include "platform/profile/profile_file.h"

#include "platform/error.h"
#include "platform/profile/profile_document.h"
#include "platform/text/case_fold.h"
#include "platform/text/cp932.h"
#include "platform/text/utf.h"
#include "platform/value_text.h"

namespace brisko {

namespace {
constexpr size_t kReadLimit = 2047;          // bytes a read returns at most
constexpr size_t kKeyListBuffer = 16384;     // bytes of NUL-separated key names
constexpr uint64_t kLargestProfile = 4u << 20;  // boot.ini, sysoc.inf, the preferences: far less

profile::ProfileDocument Load(FileSystem& files, const std::string& path) {
    return profile::ProfileDocument::Parse(files.ReadFile(path, kLargestProfile).value_or(std::string()));
}

// The file as a write starts from. A file that is there but cannot be read is
// refused: writing one line into an empty document would replace it whole.
profile::ProfileDocument LoadForWrite(FileSystem& files, const std::string& path) {
    auto bytes = files.ReadFile(path, kLargestProfile);
    if (!bytes && files.GetAttributes(path)) throw BriskoError(FormatUserMessage("%s に書き込めません", path));
    return profile::ProfileDocument::Parse(bytes.value_or(std::string()));
}

// A read-only file (boot.ini is one) is written with the flag cleared, which
// is then put back: the file keeps every attribute it had.
void Save(FileSystem& files, const std::string& path, const profile::ProfileDocument& doc) {
    const auto attrs = files.GetAttributes(path);
    const bool readOnly = attrs && (*attrs & fileattr::kReadOnly);
    if (readOnly) files.SetAttributes(path, *attrs & ~fileattr::kReadOnly);
    const bool saved = files.WriteReplacing(path, doc.Serialize());
    if (readOnly) files.SetAttributes(path, *attrs);
    if (!saved) throw BriskoError(FormatUserMessage("%s に書き込めません", path));
}

// Cuts the text where its ANSI form reaches the byte limit, never inside a
// double-byte character.
std::string LimitAnsiLength(const std::string& utf8, size_t limit) {
    std::u32string kept;
    size_t used = 0;
    for (char32_t c : text::Utf8ToCodePoints(utf8)) {
        used += text::Cp932Length(text::CodePointsToUtf8(std::u32string(1, c)));
        if (used > limit) break;
        kept.push_back(c);
    }
    return text::CodePointsToUtf8(kept);
}
}  // namespace

std::string IniReadValue(FileSystem& files, const std::string& path, const std::string& section,
                         const std::string& key) {
    auto value = Load(files, path).Read(section, key);
    return value ? LimitAnsiLength(*value, kReadLimit) : std::string(kNullText);
}

std::string IniReadRawValue(FileSystem& files, const std::string& path, const std::string& section,
                            const std::string& key) {
    auto value = Load(files, path).ReadRaw(section, key);
    return value ? LimitAnsiLength(*value, kReadLimit) : std::string(kNullText);
}

void IniWriteValue(FileSystem& files, const std::string& path, const std::string& section, const std::string& key,
                   const std::string& textToWrite) {
    if (textToWrite == kNullText) return;
    if (profile::HoldsLineBreak(section) || profile::HoldsLineBreak(key) || profile::HoldsLineBreak(textToWrite))
        throw BriskoError(profile::LineBreakRefusal(path, section, key));
    auto doc = LoadForWrite(files, path);
    if (doc.Write(section, key, textToWrite)) Save(files, path, doc);
}

void IniWriteExistingValue(FileSystem& files, const std::string& path, const std::string& section,
                           const std::string& key, const std::string& textToWrite) {
    if (textToWrite == kNullText) return;
    const auto attrs = files.GetAttributes(path);
    if (!attrs || (*attrs & fileattr::kDirectory))
        throw BriskoError(FormatUserMessage("%s が見つからないため、書き込みませんでした。", path));
    IniWriteValue(files, path, section, key, textToWrite);
}

std::vector<std::string> IniSectionKeys(FileSystem& files, const std::string& path, const std::string& section) {
    std::vector<std::string> keys;
    size_t used = 1;  // the list's closing NUL
    for (auto& key : Load(files, path).Keys(section)) {
        used += text::Cp932Length(key) + 1;
        if (used > kKeyListBuffer) break;
        keys.push_back(std::move(key));
    }
    return keys;
}

std::string IniSection::Read(const std::string& key) const {
    for (const auto& [name, value] : entries)
        if (text::AsciiNamesEqual(name, key)) return value;
    return std::string(kNullText);
}

IniSection IniReadSection(FileSystem& files, const std::string& path, const std::string& section) {
    const auto doc = Load(files, path);
    IniSection result;
    for (const auto& key : doc.Keys(section))
        if (auto value = doc.Read(section, key)) result.entries.emplace_back(key, LimitAnsiLength(*value, kReadLimit));
    return result;
}

void IniDeleteKey(FileSystem& files, const std::string& path, const std::string& section, const std::string& key) {
    auto doc = LoadForWrite(files, path);
    if (doc.Remove(section, key)) Save(files, path, doc);
}

}  // namespace brisko
