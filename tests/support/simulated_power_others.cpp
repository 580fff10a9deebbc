#include "platform/registry_values.h"
#include "support/simulated_machine.h"

namespace brisko::testing {

namespace {
const RegRoot HKLM = RegRoot::LocalMachine;
const RegRoot HKCU = RegRoot::CurrentUser;

void Set(RegistryStore& r, RegRoot root, const std::string& key, const std::string& name, std::string_view kindTag,
         const std::string& value) {
    RegWriteValue(r, root, key, name, kindTag, value);
}

void SetBytes(RegistryStore& r, RegRoot root, const std::string& key, const std::string& name,
              const std::string& bytes) {
    const std::string path = key.substr(1);
    r.CreateKey(root, path);
    r.SetValue(root, path, name, {regtype::kBinary, bytes});
}
}  // namespace

// What a fresh Japanese installation holds under the keys of the Power and
// Others items (values those items create are absent).
void FillPowerAndOthersValues(SimulatedWindows edition, RegistryStore& r) {
    const bool nt = edition != SimulatedWindows::Win98;
    const bool xp = edition == SimulatedWindows::Xp;
    const bool nt5 = xp || edition == SimulatedWindows::Win2000;
    const std::string desk = "\\Control Panel\\Desktop";

    if (xp) Set(r, HKLM, "\\SOFTWARE\\Microsoft\\Dfrg\\BootOptimizeFunction", "Enable", "String", "Y");
    if (xp) Set(r, HKLM, "\\SOFTWARE\\Microsoft\\Dfrg\\BootOptimizeFunction", "OptimizeComplete", "String", "No");
    if (nt) {
        Set(r, HKLM, "\\SYSTEM\\CurrentControlSet\\Control", "WaitToKillServiceTimeout", "String", "20000");
        Set(r, HKLM, "\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon", "Shell", "String", "Explorer.exe");
        Set(r, HKCU, desk, "AutoEndTasks", "String", "0");
        Set(r, HKCU, desk, "WaitToKillAppTimeout", "String", "20000");
        Set(r, HKCU, desk, "HungAppTimeout", "String", "5000");
        Set(r, HKLM, "\\SYSTEM\\CurrentControlSet\\Services\\Cdrom", "AutoRun", "DWORD", "1");
        Set(r, HKLM, "\\SYSTEM\\CurrentControlSet\\Services\\Cdrom", "Start", "DWORD", "1");
    }
    if (nt5) {
        Set(r, HKLM, "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\policies\\system", "dontdisplaylastusername",
            "DWORD", "0");
        Set(r, HKLM, "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\policies\\system", "shutdownwithoutlogon",
            "DWORD", "1");
        SetBytes(r, HKCU, desk, "UserPreferencesMask", std::string("\x9E\x3E\x07\x80\x12\x00\x00\x00", 8));
    }
    if (!nt) SetBytes(r, HKCU, desk, "UserPreferenceMask", std::string("\xBE\x00\x00\x00", 4));
    if (xp) {
        const std::string err = "\\SOFTWARE\\Microsoft\\PCHealth\\ErrorReporting";
        Set(r, HKLM, err, "DoReport", "DWORD", "1");
        Set(r, HKLM, err, "ShowUI", "DWORD", "1");
        Set(r, HKLM, err, "IncludeKernelFaults", "DWORD", "1");
    }

    Set(r, HKCU, "\\Software\\Microsoft\\MediaPlayer\\Preferences", "FirstRun", "DWORD", "0");
    Set(r, HKLM, "\\Software\\Microsoft\\Internet Explorer\\Main", "Start Page", "String",
        "http://www.microsoft.com/isapi/redir.dll?prd=ie&pver=6&ar=msnhome");
    Set(r, HKCU, "\\Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings", "EnableHttp1_1", "DWORD", "1");
    Set(r, HKCU, "\\Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings", "ProxyEnable", "DWORD", "0");
    SetBytes(r, HKCU, "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer", "link",
             std::string("\x1E\x00\x00\x00", 4));
    Set(r, HKLM, "\\SOFTWARE\\Microsoft\\Outlook Express", "InstallRoot", "ExString",
        "%ProgramFiles%\\Outlook Express");
}

}  // namespace brisko::testing
