#include "engine/protected_services.h"

#include "platform/text/case_fold.h"

namespace brisko {

namespace {
// Where each reason is said. Quotations are the source's own words.
constexpr const char* kConsole = "the service's own description in the Services console (Windows 7 to 11)";
constexpr const char* kServerGuide =
    "learn.microsoft.com, Security guidelines for disabling system services in Windows Server";
constexpr const char* kFirewallDesign = "learn.microsoft.com, Basic firewall policy design";
constexpr const char* kTamper = "learn.microsoft.com, Prevent changes to security settings with tamper protection; "
                                "SERVICE_LAUNCH_PROTECTED_INFO";
constexpr const char* kDnsIssues = "MicrosoftDocs/windowsserverdocs issue 5332; StevenBlack/hosts issues 2039, 2094";
constexpr const char* kMedic = "tsgrgo/windows-update-disabler discussion 3; undergroundwires/privacy.sexy issue 252";
constexpr const char* kSecurityCenter = "windows-security.org, Security Center service";
constexpr const char* kNone = "none found: kept by judgement";

struct NeverListed {
    const char* keyName;
    const char* reason;
    const char* source;
};

// Services the page never offers on Vista and later: stopping or demoting
// them breaks starting, logging on, the network, security or updates, or
// Windows refuses or undoes the change. The audio and notification services
// are left to the user: without them a sound or a toast is missing, nothing
// more.
const NeverListed kNeverListed[] = {
    // Starting and logging on.
    {"RpcSs", "\"programs using COM or DCOM will not function properly\"; the manager refuses its stop", kConsole},
    {"DcomLaunch", "starts COM servers; RpcSs depends on it, same warning", kConsole},
    {"RpcEptMapper", "\"programs using Remote Procedure Call (RPC) services will not function properly\"", kConsole},
    {"PlugPlay", "\"Stopping or disabling this service will result in system instability.\"", kConsole},
    {"Power", "sleep, shutdown and every session's power settings go through it", kNone},
    {"LSM", "\"Stopping or disabling this service will result in system instability.\"", kConsole},
    {"SamSs", "\"This service should not be disabled.\"", kConsole},
    {"ProfSvc", "without it \"users will no longer be able to successfully sign in\"", kServerGuide},
    {"UserManager", "the sign-in and user-session service others depend on", kServerGuide},
    {"gpsvc", "applies the machine's and users' policies; not to be disabled", kServerGuide},
    {"EventLog", "stopping it \"may compromise security and reliability\"", kServerGuide},
    {"Winmgmt", "without it \"most Windows-based software will not function\"", kServerGuide},
    {"Schedule", "\"hosts multiple Windows system-critical tasks\"", kServerGuide},
    {"BrokerInfrastructure", "runs the background tasks of Windows and its apps; not to be disabled", kServerGuide},
    {"CoreMessagingRegistrar", "carries the messages between system components; not to be disabled", kServerGuide},
    {"StateRepository", "holds the state of installed apps; not to be disabled", kServerGuide},
    {"SystemEventsBroker", "\"Do not disable\"; the task scheduler and the broker infrastructure need it", kServerGuide},
    {"TimeBrokerSvc", "\"Do not disable\"; the task scheduler and the broker infrastructure need it", kServerGuide},
    // The network.
    {"Dhcp", "without it the computer \"will not receive dynamic IP addresses\"", kServerGuide},
    {"Dnscache", "the manager refuses its stop and change even to SYSTEM; demoted, it broke WSL and network discovery",
     kDnsIssues},
    {"nsi", "stopping it means \"loss of network connectivity\"", kServerGuide},
    // Security.
    {"CryptSvc", "without it signatures cannot be checked and root certificates are not updated", kServerGuide},
    {"BFE", "stopping it \"will significantly reduce the security of the system\"", kServerGuide},
    {"MpsSvc", "\"Stopping the service associated with Windows Defender Firewall ... is not supported\"",
     kFirewallDesign},
    {"WinDefend", "tamper protection: changes \"might appear to succeed but are actually blocked\"", kTamper},
    {"SecurityHealthService", "the Windows Security health service, guarded like Defender", kTamper},
    {"wscsvc", "without it \"no centralized monitor service is provided\" for the security settings", kSecurityCenter},
    // Updates and licensing.
    {"wuauserv", "Windows Update; the Update Medic service starts it again", kMedic},
    {"UsoSvc", "\"Do not disable\"; Windows Update depends on it", kServerGuide},
    {"WaaSMedicSvc", "its key belongs to TrustedInstaller and it refuses to be disabled even by SYSTEM", kMedic},
    {"TrustedInstaller", "stopping it during servicing risks a failed update", kServerGuide},
    {"sppsvc", "\"strongly recommended that you not disable\" it; Windows may fall into notification mode",
     kServerGuide},
};
}  // namespace

bool IsVistaOrLater(const OsVersion& v) { return v.platformId == 2 && v.major >= 6; }

bool IsProtectedService(const std::string& keyName) {
    for (const NeverListed& s : kNeverListed)
        if (text::RegistryNamesEqual(keyName, s.keyName)) return true;
    return false;
}

}  // namespace brisko
