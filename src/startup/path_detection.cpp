#include "startup/path_detection.h"

#include "platform/text/case_fold.h"
#include "startup/file_recovery.h"
#include "platform/value_text.h"
#include "prefs/preference_keys.h"
#include "engine/program_preferences.h"

namespace brisko {

bool FileExists(FileSystem& files, const std::string& path) {
    auto attrs = files.GetAttributes(path);
    return attrs && !(*attrs & fileattr::kDirectory);
}

namespace {
std::string SystemRoot(const ProgramContext& ctx) { return ctx.paths.windowsFolder.substr(0, 3); }

// Where each file is looked for, in order.
std::vector<std::string> SysocPlaces(const ProgramContext& ctx) {
    const std::string root = SystemRoot(ctx);
    return {ctx.paths.windowsFolder + "\\inf\\sysoc.inf", root + "WINDOWS\\inf\\sysoc.inf", root + "WINNT\\inf\\sysoc.inf"};
}

std::vector<std::string> BootPlaces(const ProgramContext& ctx) {
    if (ctx.os.family != "NT") return {SystemRoot(ctx) + "Msdos.sys"};
    std::vector<std::string> places = {SystemRoot(ctx) + "boot.ini"};
    for (char letter : ctx.paths.fixedDriveLetters) places.push_back(std::string(1, letter) + ":\\boot.ini");
    return places;
}

// Each place is put right first, where a write there was cut short.
std::string FirstExisting(ProgramContext& ctx, const std::vector<std::string>& places,
                          std::vector<FileRecovery>& recovered) {
    for (const std::string& place : places) {
        RecoverFile(ctx, place, recovered);
        if (FileExists(ctx.platform.files, place)) return place;
    }
    return std::string(kNullText);
}

bool IsExistingPlace(ProgramContext& ctx, const std::vector<std::string>& places, const std::string& path) {
    for (const std::string& place : places)
        if (text::AsciiLower(place) == text::AsciiLower(path)) return FileExists(ctx.platform.files, path);
    return false;
}
}  // namespace

bool IsDetectableSysocPath(ProgramContext& ctx, const std::string& path) {
    return IsExistingPlace(ctx, SysocPlaces(ctx), path);
}

bool IsDetectableBootPath(ProgramContext& ctx, const std::string& path) {
    return IsExistingPlace(ctx, BootPlaces(ctx), path);
}

void DetectPaths(ProgramContext& ctx) {
    SystemInfo& system = ctx.platform.system;
    ProgramPaths& paths = ctx.paths;
    paths.windowsFolder = system.WindowsDirectory();
    paths.executable = system.ExecutablePath();
    paths.preferencesFile = PreferencesFilePath(paths.executable);
    paths.answerFilePath = paths.windowsFolder + "\\System32\\$winnt$.inf";
    // The files the program rewrites, each put right before its first read.
    std::vector<FileRecovery> recovered;
    RecoverFile(ctx, paths.preferencesFile, recovered);
    Preferences prefs = PreferencesOf(ctx);

    paths.sysocFilePath = prefs.Read(prefkey::kSettings, prefkey::kSysocPath);
    if (paths.sysocFilePath == kNullText) {
        paths.sysocFilePath = FirstExisting(ctx, SysocPlaces(ctx), recovered);
        prefs.Write(prefkey::kSettings, prefkey::kSysocPath, paths.sysocFilePath);
    } else {
        RecoverFile(ctx, paths.sysocFilePath, recovered);
    }

    paths.fixedDriveLetters.clear();
    const uint32_t mask = system.LogicalDriveMask();
    for (int i = 0; i < 26; ++i) {
        const char letter = static_cast<char>('A' + i);
        if ((mask >> i) & 1u && system.TypeOfDrive(std::string(1, letter) + ":\\") == DriveType::Fixed)
            paths.fixedDriveLetters.push_back(letter);
    }

    paths.bootFilePath = prefs.Read(prefkey::kSettings, prefkey::kBootPath);
    if (paths.bootFilePath != kNullText) {
        RecoverFile(ctx, paths.bootFilePath, recovered);
    } else {
        // Msdos.sys is named whether or not it is there yet.
        paths.bootFilePath = ctx.os.family != "NT" ? BootPlaces(ctx).front() : FirstExisting(ctx, BootPlaces(ctx), recovered);
        if (ctx.os.family != "NT") RecoverFile(ctx, paths.bootFilePath, recovered);
        prefs.Write(prefkey::kSettings, prefkey::kBootPath, paths.bootFilePath);
    }
    LogRecoveredFiles(ctx, recovered);
}

}  // namespace brisko
