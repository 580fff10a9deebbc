#pragma once
// The marks that open and close every backup this program writes. The
// opening section also records the Windows edition, the computer and the
// Windows build the backup was made on (the last two added later: older
// backups lack them, and older readers pass over them).
#include <string>

namespace brisko::backupmark {

inline const std::string kOpenSection = "バックアップ";
inline const std::string kOpenKey = "形式";
inline const std::string kFormat = "2";
inline const std::string kEditionKey = "OS";
inline const std::string kComputerKey = "コンピュータ";
inline const std::string kBuildKey = "Windows";
// Added later still: in a backup that holds it, an entry that is absent
// means a value that was absent (see exact_state.h).
inline const std::string kAbsenceKey = "無い値";
inline const std::string kAbsenceRecorded = "無いまま";
inline const std::string kCloseSection = "バックアップ終了";
inline const std::string kCloseKey = "完了";

}  // namespace brisko::backupmark
