// What a fresh Japanese installation holds under the keys the Desktop and
// Explorer items read.
#include "platform/registry_values.h"
#include "support/simulated_machine.h"

namespace brisko::testing {

namespace {
const RegRoot HKLM = RegRoot::LocalMachine;
const RegRoot HKCU = RegRoot::CurrentUser;
const RegRoot HKCR = RegRoot::ClassesRoot;

const std::string DESK = "\\Control Panel\\Desktop";
const std::string EXU = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer";
const std::string ADV = EXU + "\\Advanced";
const std::string CAB = EXU + "\\CabinetState";
const std::string TRAY = EXU + "\\TrayNotify";
const std::string NS = "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RemoteComputer\\NameSpace";
const std::string FS = "\\SYSTEM\\CurrentControlSet\\Control\\FileSystem";
const std::string UPD = "\\System\\CurrentControlSet\\Control\\Update";
const std::string TB = "\\Software\\Microsoft\\Internet Explorer\\Toolbar";
const std::string WSC = "\\SYSTEM\\CurrentControlSet\\Services\\wscsvc";

void Set(RegistryStore& r, RegRoot root, const std::string& key, const std::string& name, std::string_view kindTag,
         const std::string& value) {
    RegWriteValue(r, root, key, name, kindTag, value);
}

// Binary data longer than the four bytes the "Binary" kind writes.
void SetBytes(RegistryStore& r, RegRoot root, const std::string& key, const std::string& name, std::string bytes) {
    r.CreateKey(root, key.substr(1));
    r.SetValue(root, key.substr(1), name, {regtype::kBinary, std::move(bytes)});
}

std::string Repeated(const std::string& pattern, int times) {
    std::string s;
    for (int i = 0; i < times; ++i) s += pattern;
    return s;
}

void FillVideoPropertyHandlers(RegistryStore& r) {
    for (const auto& [clsid, name] : {std::pair{"{87D62D94-71B3-4b9a-9489-5FE6850DC73E}", "Avi Properties Handler"},
                                      std::pair{"{40C3D757-D6E4-4b49-BB41-0E5BBEA28817}",
                                                "Video Media Properties Handler"}}) {
        const std::string key = std::string("\\CLSID\\") + clsid;
        Set(r, HKCR, key, "", "String", name);
        Set(r, HKCR, key + "\\InProcServer32", "", "ExString", "%SystemRoot%\\System32\\shmedia.dll");
        Set(r, HKCR, key + "\\InProcServer32", "ThreadingModel", "String", "Both");
    }
}

void FillSecurityCenter(RegistryStore& r) {
    Set(r, HKLM, WSC, "DisplayName", "String", "Security Center");
    Set(r, HKLM, WSC, "Description", "String",
        "システム セキュリティの設定と構成を監視します。");
    Set(r, HKLM, WSC, "ImagePath", "ExString", "%SystemRoot%\\System32\\svchost.exe -k netsvcs");
    Set(r, HKLM, WSC, "ObjectName", "String", "LocalSystem");
    Set(r, HKLM, WSC, "Start", "DWORD", "2");
    Set(r, HKLM, WSC, "Type", "DWORD", "32");
    Set(r, HKLM, WSC, "ErrorControl", "DWORD", "1");
}
}  // namespace

void FillDesktopAndExplorerValues(SimulatedWindows edition, RegistryStore& r) {
    const bool xp = edition == SimulatedWindows::Xp;
    const bool w2k = edition == SimulatedWindows::Win2000;
    const bool nt = edition != SimulatedWindows::Win98;
    const std::string windows = (w2k || edition == SimulatedWindows::Nt4) ? "C:\\WINNT" : "C:\\WINDOWS";

    // The desktop: every edition has a menu delay; 98 and XP come with a wallpaper.
    Set(r, HKCU, DESK, "MenuShowDelay", "String", "400");
    Set(r, HKCU, DESK, "ScreenSaveActive", "String", "1");
    Set(r, HKCU, DESK, "TileWallpaper", "String", "0");
    if (xp) {
        Set(r, HKCU, DESK, "Wallpaper", "String", windows + "\\web\\wallpaper\\草原.bmp");
        Set(r, HKCU, DESK, "WallpaperStyle", "String", "2");
    } else if (!nt) {
        Set(r, HKCU, DESK, "Wallpaper", "String", windows + "\\セットアップ.bmp");
    } else {
        Set(r, HKCU, DESK, "Wallpaper", "String", "(なし)");
    }

    Set(r, HKCU, ADV, "Hidden", "DWORD", "2");
    Set(r, HKCU, ADV, "HideFileExt", "DWORD", "1");
    if (xp) Set(r, HKCU, ADV, "Start_ShowMyComputer", "DWORD", "1");
    if (nt) Set(r, HKCU, CAB, "FullPath", "DWORD", "0");
    if (xp) {
        // Past notification icons recorded since the first logon.
        SetBytes(r, HKCU, TRAY, "IconStreams", std::string("\x14\x00\x00\x00\x07\x00\x00\x00", 8) +
                                                   Repeated(std::string("\x01\x00\x01\x00", 4), 12));
        SetBytes(r, HKCU, TRAY, "PastIconsStream", std::string("\x14\x00\x00\x00\x07\x00\x00\x00", 8) +
                                                       Repeated(std::string("\x00\x00\x10\x00", 4), 6));
        FillVideoPropertyHandlers(r);
        FillSecurityCenter(r);
    }

    // Another computer's shares list its scheduled tasks and printers.
    if (xp || w2k) {
        Set(r, HKLM, NS + "\\{D6277990-4C6A-11CF-8D87-00AA0060F5BF}", "", "String", "タスク");
        r.CreateKey(HKLM, (NS + (xp ? "\\{863aa9fd-42df-457b-8e4d-0de1b8015c60}"
                                    : "\\{2227A280-3AEA-1069-A2DE-08002B30309D}"))
                              .substr(1));
    }

    if (nt) {
        Set(r, HKLM, FS, "NtfsDisable8dot3NameCreation", "DWORD", "0");
        Set(r, HKLM, FS, "Win31FileSystem", "DWORD", "0");
        Set(r, HKLM, FS, "Win95TruncatedExtensions", "DWORD", "1");
    } else {
        // 98 keeps the policy update mode as one byte.
        SetBytes(r, HKLM, UPD, "UpdateMode", std::string("\x01", 1));
    }

    Set(r, HKCU, TB, "LinksFolderName", "String", "リンク");
}

}  // namespace brisko::testing
