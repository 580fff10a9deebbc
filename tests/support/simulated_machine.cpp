#include "support/simulated_machine.h"

#include "platform/memory_file_system.h"
#include "platform/registry_values.h"
#include "platform/text/cp932.h"

namespace brisko::testing {

const char* const kSimulatedSysoc =
    "[Version]\r\n"
    "Signature = \"$Windows NT$\"\r\n"
    "DriverVer=07/01/2001,5.1.2600.2180\r\n"
    "\r\n"
    "[Components]\r\n"
    "NtComponents=ntoc.dll,NtOcSetupProc,,4\r\n"
    "WBEM=ocgen.dll,OcEntry,wbemoc.inf,hide,7\r\n"
    "Display=desk.cpl,DisplayOcSetupProc,,7\r\n"
    "Fax=fxsocm.dll,FaxOcmSetupProc,fxsocm.inf,,7\r\n"
    "com=comsetup.dll,OcEntry,comnt5.inf,hide,7\r\n"
    "dtc=msdtcstp.dll,OcEntry,dtcnt5.inf,hide,7\r\n"
    "IndexSrv_System = setupqry.dll,IndexSrv,setupqry.inf,,7\r\n"
    "TerminalServer=TsOc.dll, HydraOc, TsOc.inf,HIDE,2\r\n"
    "AutoUpdate=ocgen.dll,OcEntry,au.inf,hide,7\r\n"
    "msmsgs=msgrocm.dll,OcEntry,msmsgs.inf,hide,7\r\n"
    "msnexplr=ocmsn.dll,OcEntry,msnmsn.inf,,7\r\n"
    "\r\n"
    "[Global]\r\n"
    "WindowTitle=%WindowTitle%\r\n"
    "\r\n"
    "[Strings]\r\n"
    "WindowTitle=\"Windows XP Professional セットアップ\"\r\n";

namespace {
const RegRoot HKLM = RegRoot::LocalMachine;
const RegRoot HKCU = RegRoot::CurrentUser;

void Set(RegistryStore& r, RegRoot root, const std::string& key, const std::string& name, std::string_view kindTag,
         const std::string& value) {
    RegWriteValue(r, root, key, name, kindTag, value);
}
}  // namespace

void FillSimulatedMachine(SimulatedWindows edition, RegistryStore& r, MemorySystemInfo& system, FileSystem& files,
                          const std::string& drive) {
    const bool nt = edition != SimulatedWindows::Win98;
    const std::string windows = drive + (edition == SimulatedWindows::Win2000 || edition == SimulatedWindows::Nt4
                                             ? "\\WINNT"
                                             : "\\WINDOWS");
    system.windowsDirectory = windows;
    switch (edition) {
        case SimulatedWindows::Xp: system.version = {2, 5, 1}; break;
        case SimulatedWindows::Win2000: system.version = {2, 5, 0}; break;
        case SimulatedWindows::Nt4: system.version = {2, 4, 0}; break;
        case SimulatedWindows::Win98: system.version = {1, 4, 10}; break;
    }
    system.fixedDrives = "CD";
    system.otherDrives = "E";

    const std::string mm = "\\SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management";
    if (nt) {
        Set(r, HKLM, mm, "DisablePagingExecutive", "DWORD", "0");
        Set(r, HKLM, mm, "LargeSystemCache", "DWORD", "0");
        Set(r, HKLM, mm, "ClearPageFileAtShutdown", "DWORD", "0");
        Set(r, HKLM, "\\SYSTEM\\CurrentControlSet\\Control\\Session Manager\\SubSystems", "Windows", "ExString",
            "%SystemRoot%\\system32\\csrss.exe ObjectDirectory=\\Windows SharedSection=1024,3072,512 Windows=On "
            "SubSystemType=Windows ServerDll=basesrv,1 ServerDll=winsrv:UserServerDllInitialization,3 "
            "ServerDll=winsrv:ConServerDllInitialization,2 ProfileControl=Off MaxRequestThreads=16");
        Set(r, HKLM, "\\SYSTEM\\CurrentControlSet\\Control\\PriorityControl", "Win32PrioritySeparation", "DWORD", "2");
        const std::string usb = "\\SYSTEM\\CurrentControlSet\\Control\\Class\\{36FC9E60-C465-11CF-8056-444553540000}";
        Set(r, HKLM, usb, "Class", "String", "USB");
        Set(r, HKLM, usb + "\\0000", "DriverDesc", "String", "Intel(R) 82801DB/DBM USB Universal Host Controller - 24C2");
        Set(r, HKLM, usb + "\\0001", "DriverDesc", "String", "Intel(R) 82801DB/DBM USB2 Enhanced Host Controller - 24CD");
    } else {
        Set(r, HKLM, "\\System\\CurrentControlSet\\Services\\Class\\Usb\\0000", "DriverDesc", "String",
            "Intel 82371AB/EB PCI to USB Universal Host Controller");
    }
    Set(r, HKLM, "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer", "SmartScreenEnabled", "String", "Prompt");
    Set(r, HKCU, "\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer", "NoDriveTypeAutoRun",
        nt ? "DWORD" : "Binary", nt ? "145" : "00000095");
    Set(r, HKLM, "\\SOFTWARE\\Microsoft\\MediaPlayer\\9.0\\Registration", "UDBVersion", "String", "9.00.00.3250");
    Set(r, HKLM, "\\SOFTWARE\\Microsoft\\Internet Explorer\\Extensions\\{FB5F1910-F110-11d2-BB9E-00C04F795683}",
        "ButtonText", "String", "Windows Messenger");

    FillDesktopAndExplorerValues(edition, r);
    FillPowerAndOthersValues(edition, r);

    if (auto* memory = dynamic_cast<MemoryFileSystem*>(&files)) {
        memory->AddFolder(windows + "\\inf");
        memory->AddFolder(windows + "\\System32");
        memory->AddFolder("D:\\Data");
        memory->AddFolder(system.executablePath.substr(0, system.executablePath.rfind('\\')));
        memory->AddFolder(system.currentDirectory);
    }
    if (nt) {
        files.WriteReplacing(windows + "\\inf\\sysoc.inf", text::Utf8ToCp932(kSimulatedSysoc));
        files.WriteReplacing(drive + "\\boot.ini",
                             "[boot loader]\r\ntimeout=30\r\ndefault=multi(0)disk(0)rdisk(0)partition(1)\\WINDOWS\r\n"
                             "[operating systems]\r\nmulti(0)disk(0)rdisk(0)partition(1)\\WINDOWS=\"Microsoft Windows "
                             "XP Professional\" /noexecute=optin /fastdetect\r\n");
        files.SetAttributes(drive + "\\boot.ini", fileattr::kHidden | fileattr::kSystem | fileattr::kReadOnly);
    } else {
        files.WriteReplacing(drive + "\\Msdos.sys", "[Paths]\r\nWinDir=C:\\WINDOWS\r\n[Options]\r\nBootMulti=1\r\n");
    }
}

}  // namespace brisko::testing
