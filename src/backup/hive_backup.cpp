#include "backup/hive_backup.h"

#include <algorithm>

#include "backup/backup_marks.h"
#include "engine/per_user_items.h"
#include "platform/memory_file_system.h"
#include "platform/memory_registry_store.h"
#include "platform/value_text.h"

namespace brisko {

namespace {
const std::string kBlock = "ユーザー ";
const std::string kSidKey = "SID", kNameKey = "名前", kProfileKey = "プロファイル", kOpeningKey = "開き方",
                  kRowsKey = "値", kMainRows = "本体";

const char* OpeningText(HiveOpening o) {
    switch (o) {
        case HiveOpening::Own: return "実行中のユーザー";
        case HiveOpening::Loaded: return "読み込み済み";
        case HiveOpening::LoadedHere: return "読み込み";
    }
    return "";
}

HiveOpening OpeningOf(const std::string& text) {
    if (text == OpeningText(HiveOpening::Loaded)) return HiveOpening::Loaded;
    if (text == OpeningText(HiveOpening::LoadedHere)) return HiveOpening::LoadedHere;
    return HiveOpening::Own;
}

// Notes which roots are reached; everything else is an empty registry.
class RootsReached final : public RegistryStore {
public:
    bool currentUser = false;
    bool CanOpenKey(RegRoot r, const std::string& p, RegAccess a) override { return Note(r).CanOpenKey(r, p, a); }
    bool CreateKey(RegRoot r, const std::string& p) override { return Note(r).CreateKey(r, p); }
    std::optional<RegValueData> QueryValue(RegRoot r, const std::string& p, const std::string& n, RegAccess a) override {
        return Note(r).QueryValue(r, p, n, a);
    }
    bool SetValue(RegRoot r, const std::string& p, const std::string& n, const RegValueData& v) override {
        return Note(r).SetValue(r, p, n, v);
    }
    bool DeleteValue(RegRoot r, const std::string& p, const std::string& n) override { return Note(r).DeleteValue(r, p, n); }
    std::vector<std::string> SubKeyNames(RegRoot r, const std::string& p) override { return Note(r).SubKeyNames(r, p); }
    std::vector<std::string> ValueNames(RegRoot r, const std::string& p) override { return Note(r).ValueNames(r, p); }
    bool DeleteKey(RegRoot r, const std::string& p) override { return Note(r).DeleteKey(r, p); }

private:
    RegistryStore& Note(RegRoot r) {
        currentUser = currentUser || r == RegRoot::CurrentUser;
        return empty_;
    }
    MemoryRegistryStore empty_;
};

// A service manager that knows no service.
class NoServices final : public ServiceManager {
public:
    ServiceState QueryState(const std::string&) override { return ServiceState::Unknown; }
    std::optional<std::vector<std::pair<std::string, ServiceState>>> EnumerateStates() override { return std::nullopt; }
    std::optional<std::string> IndirectText(const std::string&, const std::string&) override { return std::nullopt; }
    std::optional<std::vector<std::string>> ActiveDependents(const std::string&) override { return std::nullopt; }
    std::optional<unsigned long> StartType(const std::string&) override { return std::nullopt; }
    ServiceAccess Access(const std::string&) override { return {}; }
    ServiceAnswer StopAndWait(const std::string&, std::chrono::milliseconds) override { return {ServiceAnswer::Kind::Refused}; }
    ServiceAnswer StartAndWait(const std::string&, std::chrono::milliseconds) override { return {ServiceAnswer::Kind::Refused}; }
    ServiceAnswer ChangeStartType(const std::string&, unsigned long) override { return {ServiceAnswer::Kind::Refused}; }
    ServiceAnswer PauseAndWait(const std::string&, std::chrono::milliseconds) override { return {ServiceAnswer::Kind::Refused}; }
    ServiceAnswer ContinueAndWait(const std::string&, std::chrono::milliseconds) override { return {ServiceAnswer::Kind::Refused}; }
};

std::string Section(const std::string& prefix, const std::string& section) {
    return prefix.empty() ? section : prefix + ":" + section;
}
}  // namespace

std::vector<bool> UserRows(const ProgramContext& ctx) {
    // Each row records once from an empty machine; a row that looks under
    // HKEY_CURRENT_USER for what it records holds a user's values.
    RootsReached registry;
    MemoryFileSystem files;
    NoServices services;
    const Platform& p = ctx.platform;
    ProgramContext probe(Platform{registry, files, p.processes, p.prompts, p.resources, p.system, services, p.clock});
    probe.os = ctx.os;
    probe.paths = ctx.paths;
    std::vector<bool> user;
    for (const BackupEntry& row : BackupEntries()) {
        registry.currentUser = false;
        row.record(probe, [](const std::string&, const std::string&, const std::string&) {});
        user.push_back(registry.currentUser);
    }
    return user;
}

void RecordEveryHive(ProgramContext& reading, const std::vector<UserHive>& hives, const BackupRecorder& record) {
    const std::vector<BackupEntry> rows = BackupEntries();
    const std::vector<bool> user = UserRows(reading);
    const HiveRoute before = reading.userHive.Route();
    const auto main = std::find_if(hives.begin(), hives.end(), [](const UserHive& h) { return h.opening == HiveOpening::Own; });
    if (main != hives.end()) RouteTo(reading, *main);
    for (size_t i = 0; i < rows.size(); ++i)
        if (!user[i] || main != hives.end()) rows[i].record(reading, record);
    size_t number = 0;
    for (auto hive = hives.begin(); hive != hives.end(); ++hive) {
        if (hive->sid.empty()) continue;  // nobody to name: its rows are the main sections' alone
        const std::string block = kBlock + std::to_string(++number);
        record(block, kSidKey, hive->sid);
        record(block, kNameKey, hive->account.empty() ? std::string(kNullText) : hive->account);
        record(block, kProfileKey, hive->profile.empty() ? std::string(kNullText) : hive->profile);
        record(block, kOpeningKey, OpeningText(hive->opening));
        if (hive == main) {
            record(block, kRowsKey, kMainRows);
            continue;
        }
        record(block, kRowsKey, block);
        RouteTo(reading, *hive);
        const BackupRecorder inBlock = [&](const std::string& section, const std::string& key, const std::string& text) {
            record(Section(block, section), key, text);
        };
        for (size_t i = 0; i < rows.size(); ++i)
            if (user[i]) rows[i].record(reading, inBlock);
    }
    reading.userHive.Route(before);
}

std::vector<BackupBlock> BlocksOf(const profile::ProfileDocument& doc) {
    std::vector<BackupBlock> blocks;
    for (size_t n = 1;; ++n) {
        const std::string block = kBlock + std::to_string(n);
        const auto sid = doc.Read(block, kSidKey);
        if (!sid) break;
        BackupBlock b;
        b.hive.sid = *sid;
        b.hive.account = doc.Read(block, kNameKey).value_or("");
        b.hive.profile = doc.Read(block, kProfileKey).value_or("");
        b.hive.opening = OpeningOf(doc.Read(block, kOpeningKey).value_or(""));
        const std::string rows = doc.Read(block, kRowsKey).value_or(block);
        b.section = rows == kMainRows ? "" : rows;
        blocks.push_back(std::move(b));
    }
    if (blocks.empty()) blocks.push_back({});  // an older backup: its maker's rows, in the main sections
    return blocks;
}

BackupSource BlockSource(const BackupSource& backup, const BackupBlock& block) {
    if (block.section.empty()) return backup;
    return {[backup, prefix = block.section](const std::string& section, const std::string& key) {
                // The opening section's marks (absence recorded, say) are the whole backup's.
                return backup.read(section == backupmark::kOpenSection ? section : Section(prefix, section), key);
            },
            [backup, prefix = block.section](const std::string& section) { return backup.keys(Section(prefix, section)); }};
}

void RestoreEveryHive(ProgramContext& ctx, const BackupSource& backup, const std::vector<BlockTarget>& targets) {
    const std::vector<BackupEntry> rows = BackupEntries();
    const std::vector<bool> user = UserRows(ctx);
    for (size_t i = 0; i < rows.size(); ++i)
        if (!user[i]) rows[i].restore(ctx, backup);
    const HiveRoute before = ctx.userHive.Route();
    try {
        for (const BlockTarget& target : targets) {
            RouteTo(ctx, target.hive);
            const BackupSource source = BlockSource(backup, target.block);
            for (size_t i = 0; i < rows.size(); ++i)
                if (user[i]) rows[i].restore(ctx, source);
        }
    } catch (...) {
        ctx.userHive.Route(before);
        throw;
    }
    ctx.userHive.Route(before);
}

std::string DamagedBlockRow(const OsEdition& os, const profile::ProfileDocument& doc) {
    const BackupSource main = SourceOf(doc);
    for (const BackupBlock& block : BlocksOf(doc))
        if (!block.section.empty())
            if (std::string damaged = DamagedRow(os, BlockSource(main, block)); !damaged.empty())
                return block.section + ": " + damaged;
    return "";
}

}  // namespace brisko
