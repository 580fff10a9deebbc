#pragma once
// How the history page shows the records of the history log.
#include <string>

#include "backup/change_history.h"

namespace brisko::ui {

// One line of the list: "2026-12-07 03:01:02  高速化  (2 項目)".
std::string HistoryListLine(const HistoryRecord& record);
// The record in full for the description box: when, what, the backup and the
// restore point, then each item with its values' before and after.
std::string HistoryDetails(const HistoryRecord& record);

}  // namespace brisko::ui
