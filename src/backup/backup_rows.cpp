#include "backup/backup_rows.h"

#include "backup/typed_value.h"
#include "engine/service_control.h"
#include "platform/error.h"
#include "platform/profile/profile_file.h"
#include "platform/text/case_fold.h"

namespace brisko::backup_rows {

std::string Read(ProgramContext& ctx, RegRoot root, const std::string& path, const std::string& name,
                 std::string_view kindTag) {
    return RegReadValue(ctx.platform.registry, root, path, name, kindTag);
}

void Write(ProgramContext& ctx, RegRoot root, const std::string& path, const std::string& name,
           std::string_view kindTag, const std::string& textValue) {
    RegWriteValue(ctx.platform.registry, root, path, name, kindTag, textValue);
}

// The row's keys that every backup of the family holds (any family when empty).
BackupEntry AlwaysHeld(BackupEntry entry, std::vector<BackupKey> keys, std::string family) {
    entry.alwaysHeld = [keys = std::move(keys), family = std::move(family)](const OsEdition& os) {
        return family.empty() || os.family == family ? keys : std::vector<BackupKey>{};
    };
    return entry;
}

// The row's parsed texts: one kind for fixed keys.
BackupEntry WithKinds(BackupEntry entry, std::vector<RecordedKind> kinds) {
    entry.kinds = [kinds = std::move(kinds)](const OsEdition&, const BackupSource&) { return kinds; };
    return entry;
}

// Every key of the section that begins with `prefix`, of one kind.
std::vector<RecordedKind> EveryKey(const BackupSource& b, const std::string& section, const std::string& prefix,
                                   std::string_view kindTag) {
    std::vector<RecordedKind> kinds;
    for (const auto& key : b.keys(section))
        if (key.starts_with(prefix)) kinds.push_back({section, key, kindTag});
    return kinds;
}

namespace {
// Where a value row reads and writes: `kind` to record, `restoreKind` to write back.
struct ValueAtRow {
    RegRoot root;
    std::string path, name, kind, restoreKind;
};

std::optional<RegValueData> RawValue(ProgramContext& ctx, RegRoot root, const std::string& path, const std::string& name) {
    RegistryStore& store = ctx.platform.registry;
    const std::string p = path.substr(path.starts_with('\\') ? 1 : 0);
    if (!store.CanOpenKey(root, p, RegAccess::Full)) return std::nullopt;
    return store.QueryValue(root, p, name, RegAccess::Full);
}

// Records the value's text of its kind and, when writing that text back
// would not give the value back exactly, its type and bytes as well.
void RecordValue(ProgramContext& ctx, const BackupRecorder& rec, const std::string& section, const std::string& key,
                 const ValueAtRow& at) {
    const std::string text = Read(ctx, at.root, at.path, at.name, at.kind);
    rec(section, key, text);
    const auto raw = RawValue(ctx, at.root, at.path, at.name);
    if (raw && RegValueDataOf(at.restoreKind, text) != raw) rec(kTyped, section + "." + key, TypedValueText(*raw));
}

// Writes a value kept with its type back byte for byte; false when the row has none.
bool RestoreTyped(ProgramContext& ctx, const BackupSource& b, const std::string& section, const std::string& key,
                  const ValueAtRow& at) {
    const std::string text = b.read(kTyped, section + "." + key);
    if (text == NULLT) return false;
    const auto value = ParseTypedValue(text);
    if (!value) throw BriskoError(FormatUserMessage("バックアップの値 %s が壊れています", text));
    RegistryStore& store = ctx.platform.registry;
    const std::string p = at.path.substr(at.path.starts_with('\\') ? 1 : 0);
    store.CreateKey(at.root, p);
    if (!store.SetValue(at.root, p, at.name, *value))
        throw BriskoError(FormatUserMessage("'%s' の設定に失敗しました", at.name));
    return true;
}

std::vector<RecordedKind> ValueKinds(const std::string& section, const std::string& key, std::string_view restoreKind) {
    std::vector<RecordedKind> kinds{{kTyped, section + "." + key, kTypedKind}};
    if (restoreKind == kind::kDword) kinds.push_back({section, key, kind::kDword});
    if (restoreKind == kind::kBinary) kinds.push_back({section, key, kind::kBinary});
    return kinds;
}
}  // namespace

// A registry value recorded with one kind and put back with another (usually the same);
// `absentBecomes` replaces a missing entry on restore ("NULL": delete the value).
BackupEntry Value(const std::string& section, const std::string& key, RegRoot root, std::string path,
                  std::string name, std::string kindTag, std::string restoreKind, std::string absentBecomes) {
    if (restoreKind.empty()) restoreKind = kindTag;
    const ValueAtRow at{root, path, name, kindTag, restoreKind};
    return WithKinds({[=](ProgramContext& ctx, const BackupRecorder& rec) { RecordValue(ctx, rec, section, key, at); },
                      [=](ProgramContext& ctx, const BackupSource& b) {
                          if (RestoreTyped(ctx, b, section, key, at)) return;
                          std::string v = b.read(section, key);
                          if (v == NULLT && !RecordsAbsence(b)) v = absentBecomes;
                          Write(ctx, root, path, name, restoreKind, v);
                      }},
                     ValueKinds(section, key, restoreKind));
}

BackupEntry ValueBy(const std::string& section, const std::string& key, std::string kindTag, Locate at) {
    auto row = [=](const ProgramContext& ctx) {
        const ValueAt v = at(ctx);
        return ValueAtRow{v.root, v.path, v.name, kindTag, kindTag};
    };
    return WithKinds({[=](ProgramContext& ctx, const BackupRecorder& rec) { RecordValue(ctx, rec, section, key, row(ctx)); },
                      [=](ProgramContext& ctx, const BackupSource& b) {
                          const ValueAtRow v = row(ctx);
                          if (!RestoreTyped(ctx, b, section, key, v)) Write(ctx, v.root, v.path, v.name, kindTag, b.read(section, key));
                      }},
                     ValueKinds(section, key, kindTag));
}

void ShowMissingFile(ProgramContext& ctx, const char* item) {
    ctx.platform.prompts.Error(std::string("[") + item +
                               " 設定対象ファイルの検出に失敗しました。\r\n[オプション] から正しいファイルパスを設定することができます。");
}

bool FileThere(ProgramContext& ctx, const std::string& path) {
    return path != NULLT && ctx.platform.files.GetAttributes(path).has_value();
}

std::string BootDefaultKey(ProgramContext& ctx) {
    return IniReadValue(ctx.platform.files, ctx.paths.bootFilePath, "boot loader", "default");
}

}  // namespace brisko::backup_rows
