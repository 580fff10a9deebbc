#include "startup/migration.h"

#include <cctype>
#include <charconv>
#include <functional>

#include "engine/program_preferences.h"
#include "engine/system_items.h"
#include "platform/profile/profile_file.h"
#include "platform/text/case_fold.h"
#include "platform/value_text.h"
#include "prefs/appearance.h"
#include "prefs/colour_text.h"
#include "prefs/preference_keys.h"
#include "startup/path_detection.h"

namespace brisko {

namespace {
using Check = std::function<bool(ProgramContext&, const std::string&)>;

bool IntegerIn(const std::string& text, int low, int high) {
    int value = 0;
    const auto r = std::from_chars(text.data(), text.data() + text.size(), value);
    return !text.empty() && r.ec == std::errc() && r.ptr == text.data() + text.size() && value >= low && value <= high;
}

Check OneOf(std::vector<std::string> allowed) {
    return [allowed = std::move(allowed)](ProgramContext&, const std::string& v) {
        for (const std::string& a : allowed)
            if (v == a) return true;
        return false;
    };
}

bool IsColour(ProgramContext&, const std::string& v) { return TextToColor(v).has_value(); }

// The settings an older file may hand on, each with what it must hold. The
// automatic backup's switch is not among them: only the user turns it off.
// The two paths are taken only where detection itself could have found them.
const std::vector<std::pair<std::string_view, Check>>& SettingChecks() {
    static const std::vector<std::pair<std::string_view, Check>> checks = {
        {prefkey::kFontSize, [](ProgramContext&, const std::string& v) { return IntegerIn(v, 8, 12); }},
        {prefkey::kTransparent, [](ProgramContext&, const std::string& v) { return IntegerIn(v, 5, 254); }},
        {prefkey::kColorStyle,
         [](ProgramContext&, const std::string& v) { return ColourStyleIndex(v) != kDefaultStyle; }},
        {prefkey::kTitleColor, IsColour},
        {prefkey::kMenuColor, IsColour},
        {prefkey::kAccelColor, IsColour},
        {prefkey::kSubColor, IsColour},
        {prefkey::kRestoreColor, IsColour},
        {prefkey::kCompactColor, IsColour},
        {prefkey::kTabStyle, [](ProgramContext&, const std::string& v) { return PageStyleFromText(v).has_value(); }},
        {prefkey::kShowTab, OneOf({"True", "False"})},
        {prefkey::kDlgReboot, OneOf({"On", "Off"})},
        {prefkey::kDlgInform, OneOf({"On", "Off"})},
        {prefkey::kSysocPath, IsDetectableSysocPath},
        {prefkey::kBootPath, IsDetectableBootPath},
    };
    return checks;
}

// A service start type a kept memory may give back: automatic, manual, disabled.
bool IsServiceStart(const std::string& v) { return v == "2" || v == "3" || v == "4"; }

bool IsHex(const std::string& v) {
    if (v.empty() || v.size() % 2 || v.size() > 64) return false;
    for (char c : v)
        if (!std::isxdigit(static_cast<unsigned char>(c))) return false;
    return true;
}

bool IsPlainText(const std::string& v) {
    if (v.size() > 259) return false;
    for (char c : v)
        if (static_cast<unsigned char>(c) < 0x20) return false;
    return true;
}

// From the first file, or from the second when the first has nothing.
std::string ReadWithFallback(const Preferences& a, const Preferences& b, std::string_view section,
                             std::string_view key) {
    std::string value = a.Read(section, key);
    if (value == kNullText || value.empty()) value = b.Read(section, key);
    return value;
}

void WriteIf(Preferences& prefs, std::string_view section, std::string_view key, const std::string& value,
             bool passes) {
    if (value != kNullText && passes) prefs.Write(section, key, value);
}
}  // namespace

void MigrateOlderSettings(ProgramContext& ctx) {
    Preferences prefs = PreferencesOf(ctx);
    if (prefs.Read(prefkey::kSettings, prefkey::kTransitOption) != kNullText) return;
    // Only beside the program: the current folder is wherever the elevated
    // program was started from, and anyone may have put a file there.
    const std::string folder = ParentFolder(ctx.paths.executable);
    const Preferences a(ctx.platform.files, folder + "\\Tessaly.ini");
    const Preferences b(ctx.platform.files, folder + "\\Marvanel.ini");

    for (const auto& [key, check] : SettingChecks()) {
        const std::string value = a.Read(prefkey::kSettings, key);
        WriteIf(prefs, prefkey::kSettings, key, value, check(ctx, value));
    }
    // Kept component lines go back into sysoc.inf, where Windows' setup loads
    // the DLL a line names: only a line that is the machine's own line for
    // that component with its hide flag, as the item keeps them.
    const Preferences& kept = a.Keys(prefkey::kSystem9Memory).empty() ? b : a;
    for (const auto& key : kept.Keys(prefkey::kSystem9Memory)) {
        const std::string line = kept.Read(prefkey::kSystem9Memory, key);
        const std::string machine = IniReadValue(ctx.platform.files, ctx.paths.sysocFilePath, "Components", key);
        const bool hides = text::AsciiLower(line).find("hide") != std::string::npos;
        const bool its = machine != kNullText && WithoutHideFlag(line) == WithoutHideFlag(machine);
        WriteIf(prefs, prefkey::kSystem9Memory, key, line, hides && its && IsPlainText(line));
    }
    const std::string wallpaper = ReadWithFallback(a, b, prefkey::kDesktopMemory, "7");
    WriteIf(prefs, prefkey::kDesktopMemory, "7", wallpaper, IsPlainText(wallpaper));
    const std::string center = a.Read(prefkey::kDesktop10Memory, "Security Center");
    WriteIf(prefs, prefkey::kDesktop10Memory, "Security Center", center, IsServiceStart(center));
    const std::string registered = ReadWithFallback(a, b, prefkey::kExplorerMemory, "8");
    WriteIf(prefs, prefkey::kExplorerMemory, "8", registered, registered == "true" || registered == "false");
    // The older editions kept the animation mask with its last byte B0; this
    // edition's default ends in BE.
    std::string mask = ReadWithFallback(a, b, prefkey::kOthersMemory, "6");
    if (mask.size() >= 2 && mask.ends_with("B0")) mask = mask.substr(0, mask.size() - 2) + "BE";
    WriteIf(prefs, prefkey::kOthersMemory, "6", mask, IsHex(mask));
    for (const auto& key : a.Keys(prefkey::kServicesMemory)) {
        const std::string start = a.Read(prefkey::kServicesMemory, key);
        WriteIf(prefs, prefkey::kServicesMemory, key, start, IsPlainText(key) && IsServiceStart(start));
    }
    prefs.Write(prefkey::kSettings, prefkey::kTransitOption, "1");
}

}  // namespace brisko
