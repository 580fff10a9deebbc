#pragma once
// The shared parts of the backup table's rows (backup_entries.h): the
// sections, the keys the rows read, and the helpers that make a row of a
// registry value. Each category's rows are in a file of their own
// (system_backup_rows.cpp ...); backup_entries.cpp puts them in one table.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "backup/backup_entries.h"
#include "backup/exact_state.h"
#include "backup/typed_value.h"
#include "platform/registry_values.h"
#include "platform/value_text.h"

namespace brisko::backup_rows {

inline const RegRoot HKLM = RegRoot::LocalMachine, HKCU = RegRoot::CurrentUser, HKCR = RegRoot::ClassesRoot;
inline const std::string kSystem = "システム", kSystem9 = "システム9", kDesktop = "デスクトップ", kExplorer = "エクスプローラ",
                         kPower = "起動・終了", kOthers = "その他", kPcInfo = "パソコン情報";
inline const std::string& kTyped = kTypedValuesSection;
inline const std::string NULLT(kNullText);

inline const std::string SUBSYSTEMS = "\\SYSTEM\\CurrentControlSet\\Control\\Session Manager\\SubSystems";
inline const std::string MM = "\\SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management";
inline const std::string POLICIES = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";
inline const std::string DESK = "\\Control Panel\\Desktop";
inline const std::string TRAY = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\TrayNotify";
inline const std::string NAMESPACE = "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RemoteComputer\\NameSpace";
inline const std::string TASKS = "{D6277990-4C6A-11CF-8D87-00AA0060F5BF}";
inline const std::string EXTENSIONS = "\\SOFTWARE\\Microsoft\\Internet Explorer\\Extensions";
inline const std::string MESSENGER = "{FB5F1910-F110-11d2-BB9E-00C04F795683}";
inline const std::string SYSOC_COMPONENTS = "Components";

std::string Read(ProgramContext& ctx, RegRoot root, const std::string& path, const std::string& name,
                 std::string_view kindTag);
void Write(ProgramContext& ctx, RegRoot root, const std::string& path, const std::string& name,
           std::string_view kindTag, const std::string& textValue);
inline std::string Flag(bool exists) { return exists ? "true" : "false"; }
inline bool IsXp(const ProgramContext& ctx) { return ctx.os.edition == "XP"; }
inline bool Is9x(const ProgramContext& ctx) { return ctx.os.family == "9x"; }
// A text the writer could have recorded: neither absent nor empty.
inline bool IsRecordedText(const std::string& v) { return v != NULLT && !v.empty(); }

// The row's keys that every backup of the family holds (any family when empty).
BackupEntry AlwaysHeld(BackupEntry entry, std::vector<BackupKey> keys, std::string family = "");
// The row's parsed texts: one kind for fixed keys.
BackupEntry WithKinds(BackupEntry entry, std::vector<RecordedKind> kinds);
// Every key of the section that begins with `prefix`, of one kind.
std::vector<RecordedKind> EveryKey(const BackupSource& b, const std::string& section, const std::string& prefix,
                                   std::string_view kindTag);

// A registry value recorded with one kind and put back with another (usually the same);
// `absentBecomes` replaces a missing entry on restore ("NULL": delete the value).
BackupEntry Value(const std::string& section, const std::string& key, RegRoot root, std::string path,
                  std::string name, std::string kindTag, std::string restoreKind = "", std::string absentBecomes = NULLT);

// A value whose key or name depends on the edition.
struct ValueAt {
    RegRoot root;
    std::string path, name;
};
using Locate = std::function<ValueAt(const ProgramContext&)>;
BackupEntry ValueBy(const std::string& section, const std::string& key, std::string kindTag, Locate at);

void ShowMissingFile(ProgramContext& ctx, const char* item);
// Never created: a file that is not there now counts as not found.
bool FileThere(ProgramContext& ctx, const std::string& path);
std::string BootDefaultKey(ProgramContext& ctx);

// The rows of each category, in file order.
std::vector<BackupEntry> SystemEntries();
std::vector<BackupEntry> DesktopEntries();
std::vector<BackupEntry> ExplorerEntries();
std::vector<BackupEntry> PowerEntries();
std::vector<BackupEntry> OthersEntries();
BackupEntry PcInformationEntries();

}  // namespace brisko::backup_rows
