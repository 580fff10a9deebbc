#pragma once
// The program's own settings file beside the executable. Nothing is cached:
// every read opens the file at the moment of use, every write goes through at
// once. A value at its default is stored by deleting its key, and "NULL" is
// never written.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"

namespace brisko {

// The executable's path with its extension replaced by ".ini" (appended when
// the name has none).
std::string PreferencesFilePath(const std::string& executablePath);

class Preferences {
public:
    Preferences(FileSystem& files, std::string path) : files_(files), path_(std::move(path)) {}

    const std::string& Path() const { return path_; }
    // "NULL" when the file, section or key is missing.
    std::string Read(std::string_view section, std::string_view key) const;
    void Write(std::string_view section, std::string_view key, const std::string& value);
    void Delete(std::string_view section, std::string_view key);
    std::vector<std::string> Keys(std::string_view section) const;

    // Settings of the "環境設定" section, each with its default when the key
    // is absent or does not parse.
    bool InformSuppressed() const;     // DlgInform "Off"
    bool RebootPromptWanted() const;   // DlgReboot "On"
    bool AutoBackupSuppressed() const; // AutoRestore "Off"
    void SetInformSuppressed(bool suppressed);
    void SetRebootPromptWanted(bool wanted);
    void SetAutoBackupSuppressed(bool suppressed);
    bool RestorePointSuppressed() const; // RestorePoint "Off"
    void SetRestorePointSuppressed(bool suppressed);
    bool ShowTab() const;
    std::optional<int> FontSize() const;          // 1 to 1638 points
    std::optional<int> TransparencyAlpha() const; // 5 to 254: the window is layered
    std::optional<int32_t> Color(std::string_view key) const;
    void SetColor(std::string_view key, int32_t colour);

private:
    // Stores the non-default text, or deletes the key for the default.
    void WriteOrDelete(std::string_view key, bool nonDefault, const char* text);
    std::optional<int> Integer(std::string_view key) const;

    FileSystem& files_;
    std::string path_;
};

}  // namespace brisko
