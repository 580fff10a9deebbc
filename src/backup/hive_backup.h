#pragma once
// The users' hives in a backup. Rows that hold a user's values (found by
// what they read: HKEY_CURRENT_USER) are kept per hive, around the rows
// table, which stays as it is:
//
//   [ユーザー 1]                 one block per hive, numbered from 1
//   SID=S-1-5-21-…-1001           (kDefaultProfileSid for the Default profile)
//   名前=PC\taro                  the account, where known
//   プロファイル=C:\Users\taro    the profile folder, where known
//   開き方=実行中のユーザー       the program's own user | 読み込み済み (already
//                                 loaded) | 読み込み (loaded from NTUSER.DAT)
//   値=本体                       the rows stand in the main sections, or
//   値=ユーザー 2                 in sections "ユーザー 2:<section>"
//
// The main sections hold the machine's rows and the user rows of the
// program's own user when that user is one of the hives (as every backup
// did, so older readers restore what they always restored); a backup made
// for other users only (under SYSTEM) holds no user rows there. A backup
// without blocks (an older one) holds the rows of "the user who made it"
// in its main sections: one block without SID.
#include <string>
#include <vector>

#include "backup/backup_entries.h"

namespace brisko {

// Whether each row of BackupEntries() holds a user's values.
std::vector<bool> UserRows(const ProgramContext& ctx);

// Records every row: the machine's and the main hive's into the main
// sections, and one block per hive. `reading` is the context the rows read
// through; it is routed to each hive in turn.
void RecordEveryHive(ProgramContext& reading, const std::vector<UserHive>& hives, const BackupRecorder& record);

struct BackupBlock {
    UserHive hive;        // sid, account, profile and opening as recorded
    std::string section;  // the prefix of its sections; "" for the main sections
    bool operator==(const BackupBlock&) const = default;
};
// The blocks of a backup; an older backup's one block has no SID.
std::vector<BackupBlock> BlocksOf(const profile::ProfileDocument& doc);
// The backup's texts as one block's rows read them.
BackupSource BlockSource(const BackupSource& backup, const BackupBlock& block);

// A block and the hive it is restored into.
struct BlockTarget {
    BackupBlock block;
    UserHive hive;
};

// Puts back the machine's rows from the main sections, then each target's
// user rows into its hive (which must be open); routes back afterwards.
void RestoreEveryHive(ProgramContext& ctx, const BackupSource& backup, const std::vector<BlockTarget>& targets);

// The first recorded text of any block that does not fit its row, as DamagedRow.
std::string DamagedBlockRow(const OsEdition& os, const profile::ProfileDocument& doc);

}  // namespace brisko
