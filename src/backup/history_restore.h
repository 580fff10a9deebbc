#pragma once
// Restoring from the history page: only this computer's records are offered,
// and the question names the later changes the restore also undoes (a
// backup puts back every value it recorded, whatever changed since).
#include <string>
#include <vector>

#include "backup/change_history.h"
#include "backup/machine_identity.h"

namespace brisko {

// Whether the record names this computer; older records name none and are
// not offered (the file chooser still restores their backups, after its checks).
bool RecordOfThisComputer(const HistoryRecord& record, const MachineIdentity& here);

// What the restore question adds for the record at `chosen` of a newest-first
// list: this computer's later records that wrote something, oldest first;
// empty when there are none.
std::string LaterChangesUndone(const std::vector<HistoryRecord>& newestFirst, size_t chosen,
                               const MachineIdentity& here);

}  // namespace brisko
