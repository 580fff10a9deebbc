#include "prefs/preferences.h"

#include <charconv>

#include "platform/profile/profile_file.h"
#include "prefs/boolean_text.h"
#include "prefs/colour_text.h"
#include "prefs/preference_keys.h"

namespace brisko {

std::string PreferencesFilePath(const std::string& executablePath) {
    const auto separator = executablePath.find_last_of("\\/");
    const auto dot = executablePath.rfind('.');
    if (dot == std::string::npos || (separator != std::string::npos && dot < separator))
        return executablePath + ".ini";
    return executablePath.substr(0, dot) + ".ini";
}

std::string Preferences::Read(std::string_view section, std::string_view key) const {
    return IniReadValue(files_, path_, std::string(section), std::string(key));
}

void Preferences::Write(std::string_view section, std::string_view key, const std::string& value) {
    IniWriteValue(files_, path_, std::string(section), std::string(key), value);
}

void Preferences::Delete(std::string_view section, std::string_view key) {
    IniDeleteKey(files_, path_, std::string(section), std::string(key));
}

std::vector<std::string> Preferences::Keys(std::string_view section) const {
    return IniSectionKeys(files_, path_, std::string(section));
}

void Preferences::WriteOrDelete(std::string_view key, bool nonDefault, const char* text) {
    if (nonDefault) Write(prefkey::kSettings, key, text);
    else Delete(prefkey::kSettings, key);
}

bool Preferences::InformSuppressed() const { return Read(prefkey::kSettings, prefkey::kDlgInform) == "Off"; }
bool Preferences::RebootPromptWanted() const { return Read(prefkey::kSettings, prefkey::kDlgReboot) == "On"; }
bool Preferences::AutoBackupSuppressed() const { return Read(prefkey::kSettings, prefkey::kAutoRestore) == "Off"; }
void Preferences::SetInformSuppressed(bool suppressed) { WriteOrDelete(prefkey::kDlgInform, suppressed, "Off"); }
void Preferences::SetRebootPromptWanted(bool wanted) { WriteOrDelete(prefkey::kDlgReboot, wanted, "On"); }
void Preferences::SetAutoBackupSuppressed(bool suppressed) { WriteOrDelete(prefkey::kAutoRestore, suppressed, "Off"); }
bool Preferences::RestorePointSuppressed() const { return Read(prefkey::kSettings, prefkey::kRestorePoint) == "Off"; }
void Preferences::SetRestorePointSuppressed(bool suppressed) { WriteOrDelete(prefkey::kRestorePoint, suppressed, "Off"); }

bool Preferences::ShowTab() const { return TextToBoolLenient(Read(prefkey::kSettings, prefkey::kShowTab)); }

std::optional<int> Preferences::Integer(std::string_view key) const {
    const std::string text = Read(prefkey::kSettings, key);
    int value = 0;
    const auto r = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || r.ec != std::errc() || r.ptr != text.data() + text.size()) return std::nullopt;
    return value;
}

std::optional<int> Preferences::FontSize() const {
    auto size = Integer(prefkey::kFontSize);
    // Any whole number the description boxes can show: at least one point, and
    // at most 1638, the largest whose height in twips a rich edit box takes.
    return (size && *size >= 1 && *size <= 1638) ? size : std::nullopt;
}

std::optional<int> Preferences::TransparencyAlpha() const {
    auto alpha = Integer(prefkey::kTransparent);
    return (alpha && *alpha >= 5 && *alpha <= 254) ? alpha : std::nullopt;
}

std::optional<int32_t> Preferences::Color(std::string_view key) const {
    return TextToColor(Read(prefkey::kSettings, key));
}

void Preferences::SetColor(std::string_view key, int32_t colour) { Write(prefkey::kSettings, key, ColorToText(colour)); }

}  // namespace brisko
