#include "startup/path_detection.h"

#include "platform/value_text.h"
#include "prefs/preference_keys.h"
#include "engine/program_preferences.h"

namespace brisko {

bool FileExists(FileSystem& files, const std::string& path) {
    auto attrs = files.GetAttributes(path);
    return attrs && !(*attrs & fileattr::kDirectory);
}

namespace {
std::string FindSysoc(ProgramContext& ctx, const std::string& systemRoot) {
    for (const std::string& candidate : {ctx.paths.windowsFolder + "\\inf\\sysoc.inf",
                                         systemRoot + "WINDOWS\\inf\\sysoc.inf", systemRoot + "WINNT\\inf\\sysoc.inf"})
        if (FileExists(ctx.platform.files, candidate)) return candidate;
    return std::string(kNullText);
}

std::string FindBootFile(ProgramContext& ctx, const std::string& systemRoot) {
    if (ctx.os.family != "NT") return systemRoot + "Msdos.sys";
    if (FileExists(ctx.platform.files, systemRoot + "boot.ini")) return systemRoot + "boot.ini";
    for (char letter : ctx.paths.fixedDriveLetters) {
        const std::string candidate = std::string(1, letter) + ":\\boot.ini";
        if (FileExists(ctx.platform.files, candidate)) return candidate;
    }
    return std::string(kNullText);
}
}  // namespace

void DetectPaths(ProgramContext& ctx) {
    SystemInfo& system = ctx.platform.system;
    ProgramPaths& paths = ctx.paths;
    paths.windowsFolder = system.WindowsDirectory();
    const std::string systemRoot = paths.windowsFolder.substr(0, 3);
    paths.executable = system.ExecutablePath();
    paths.preferencesFile = PreferencesFilePath(paths.executable);
    paths.answerFilePath = paths.windowsFolder + "\\System32\\$winnt$.inf";
    Preferences prefs = PreferencesOf(ctx);

    paths.sysocFilePath = prefs.Read(prefkey::kSettings, prefkey::kSysocPath);
    if (paths.sysocFilePath == kNullText) {
        paths.sysocFilePath = FindSysoc(ctx, systemRoot);
        prefs.Write(prefkey::kSettings, prefkey::kSysocPath, paths.sysocFilePath);
    }

    paths.fixedDriveLetters.clear();
    const uint32_t mask = system.LogicalDriveMask();
    for (int i = 0; i < 26; ++i) {
        const char letter = static_cast<char>('A' + i);
        if ((mask >> i) & 1u && system.TypeOfDrive(std::string(1, letter) + ":\\") == DriveType::Fixed)
            paths.fixedDriveLetters.push_back(letter);
    }

    paths.bootFilePath = prefs.Read(prefkey::kSettings, prefkey::kBootPath);
    if (paths.bootFilePath != kNullText) return;
    paths.bootFilePath = FindBootFile(ctx, systemRoot);
    prefs.Write(prefkey::kSettings, prefkey::kBootPath, paths.bootFilePath);
}

}  // namespace brisko
