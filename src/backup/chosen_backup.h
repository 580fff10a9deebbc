#pragma once
// A file chosen for a restore, read once: whether it may be restored here
// and the entries the restore writes back come from the same bytes.
#include <string>

#include "backup/machine_identity.h"
#include "platform/file_system.h"
#include "platform/os_edition.h"
#include "platform/profile/profile_document.h"

namespace brisko {

enum class BackupCheck {
    Backup,          // may be restored on this machine
    NotABackup,      // no backup at all (missing, a folder, binary, far too large, no mark)
    Unreadable,      // there, but its bytes could not be read
    Incomplete,      // opening mark without the closing one: cut short
    EntriesMissing,  // an older file without entries every backup of this edition holds
    OtherFamily,     // made on the other Windows family (9x against NT)
    OtherComputer,   // made on another computer (see `madeOnComputer`)
    OtherBuild,      // made on another Windows build (see `madeOnBuild`)
    Crowded,         // a section with more keys than any backup holds (see `damaged`)
    Damaged,         // a recorded text that does not fit its entry (see `damaged`)
};

struct ChosenBackup {
    BackupCheck check = BackupCheck::NotABackup;
    std::string madeOn;  // the edition (or family) the opening mark records; empty in older files
    profile::ProfileDocument entries;
    std::string damaged;  // "[section] key=text" of the first damaged entry; the refusal of a crowded file
    std::string madeOnComputer;  // the computer it names, when another
    std::string madeOnBuild;     // the Windows build it names, when another
};

// A backup has this program's opening mark, or (older files) key "1" of
// section "システム". Files holding NUL bytes (outside a UTF-16 file) are no
// backup. One that names another computer (in its opening mark or, in older
// files too, its PC information) or another Windows build is refused.
ChosenBackup RecogniseBackup(const std::string& bytes, const MachineIdentity& here);
ChosenBackup ReadChosenBackup(FileSystem& files, const std::string& path, const MachineIdentity& here);

// "Windows XP" for "XP", "Windows 95/98/Me" for the bare family "9x".
std::string WindowsName(const std::string& editionOrFamily);
// The family ("9x", "NT") an edition or family text belongs to; empty when unknown.
std::string FamilyOf(const std::string& editionOrFamily);
// What the opening mark records for the running Windows.
std::string RecordedEdition(const OsEdition& os);

}  // namespace brisko
