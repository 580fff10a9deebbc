// The backup rows of the PC information: recorded, never put back.
#include "backup/backup_rows.h"

namespace brisko::backup_rows {

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
