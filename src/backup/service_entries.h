#pragma once
// The backup rows of services: Security Center (Desktop 10) and the services
// page. Both record a service's state and start type and put them back
// through the service manager; what the manager refuses is a warning, and the
// restore goes on with the other rows.
#include "backup/backup_entries.h"

namespace brisko {

// "デスクトップ" 10 (the state) and 10-start (the start type). Not put back
// from Windows 8 on, where the item is out of use.
BackupEntry SecurityCenterEntry();

// "不要サービス" (each offered service's state, by key name) and
// "不要サービス-s" (its start type). Only a service the page offers now is
// put back, and only where its state differs.
BackupEntry ServicesPageEntry();

}  // namespace brisko
