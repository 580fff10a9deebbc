// The backup rows of the services page (each listed service's state and start type) and the PC
// information.
#include "backup/backup_rows.h"

#include <algorithm>

#include "engine/program_preferences.h"
#include "engine/service_control.h"
#include "engine/services.h"
#include "platform/text/case_fold.h"
#include "prefs/preference_keys.h"

namespace brisko::backup_rows {

namespace {
// A service key whose type says kernel or file-system driver.
bool IsDriver(ProgramContext& ctx, const std::string& keyName) {
    const std::string type = Read(ctx, HKLM, std::string(kServicesKey) + "\\" + keyName, "Type", kind::kDword);
    if (type == NULLT || type == kUnfitType) return false;
    return (std::stoll(type) & kWin32ServiceTypes) == 0;
}
}  // namespace

BackupEntry ServiceEntries() {
    BackupEntry entry{[](ProgramContext& ctx, const BackupRecorder& rec) {
                const auto services = ListServices(ctx);
                const ServiceStates states(ctx);
                for (const auto& s : services) rec(kServices, s.keyName, ServiceStatusText(states.Of(s.keyName)));
                for (const auto& s : services)
                    rec(kServiceStarts, s.keyName,
                        Read(ctx, HKLM, std::string(kServicesKey) + "\\" + s.keyName, "Start", kind::kDword));
            },
            // Only services the program lists now are put back, each by its key:
            // a recorded name that is a driver, or no longer a service, is left
            // alone (writing it would change a driver's start or create a key).
            [](ProgramContext& ctx, const BackupSource& b) {
                const auto listed = ListServices(ctx);
                for (const auto& recordedName : b.keys(kServices)) {
                    const auto it = std::find_if(listed.begin(), listed.end(), [&](const ListedService& s) {
                        return text::RegistryNamesEqual(s.keyName, recordedName);
                    });
                    if (it == listed.end() || IsDriver(ctx, it->keyName)) continue;
                    const std::string recorded = b.read(kServices, recordedName);
                    if (recorded == ServiceStatusText(ctx.platform.services.QueryState(it->keyName))) continue;
                    const std::string key = std::string(kServicesKey) + "\\" + it->keyName;
                    if (it->displayName != NULLT)
                        PreferencesOf(ctx).Write(prefkey::kServicesMemory, it->displayName,
                                                 Read(ctx, HKLM, key, "Start", kind::kDword));
                    std::string start = b.read(kServiceStarts, recordedName);
                    Write(ctx, HKLM, key, "Start", kind::kDword, start == NULLT ? "3" : start);
                    RunServiceCommand(ctx, it->keyName, recorded == "停止中");
                }
            }};
    entry.kinds = [](const OsEdition&, const BackupSource& b) { return EveryKey(b, kServiceStarts, "", kind::kDword); };
    return entry;
}

BackupEntry PcInformationEntries() {
    return {[](ProgramContext& ctx, const BackupRecorder& rec) {
                const std::string owner = Is9x(ctx) ? "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion"
                                                    : "\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";
                rec(kPcInfo, "1", Read(ctx, HKLM, owner, "RegisteredOwner", kind::kString));
                rec(kPcInfo, "2", Read(ctx, HKLM, owner, "RegisteredOrganization", kind::kString));
                rec(kPcInfo, "3", Read(ctx, HKLM, "\\SYSTEM\\CurrentControlSet\\Control\\ComputerName\\ComputerName",
                                       "ComputerName", kind::kString));
            },
            [](ProgramContext&, const BackupSource&) {}};  // a restore leaves the PC information alone
}

}  // namespace brisko::backup_rows
