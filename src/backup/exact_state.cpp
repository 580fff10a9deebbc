#include "backup/exact_state.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <tuple>

#include "backup/backup_marks.h"
#include "backup/typed_value.h"
#include "platform/error.h"
#include "platform/registry_values.h"
#include "platform/value_text.h"

namespace brisko {

namespace {
const std::string kAbsentKeys = "無かったキー", kKeyTrees = "キーの内容", kAttributes = "ファイルの属性";
const std::string kBootFile = "起動ファイル", kSysocFile = "sysoc.inf";
// The attributes a program may set (read-only, hidden, system, archive).
constexpr uint32_t kSettable = fileattr::kReadOnly | fileattr::kHidden | fileattr::kSystem | fileattr::kArchive;
constexpr int kDeepestKey = 64;

// (A user's hive other than the program's own is read under HKEY_USERS, by
// the key it is loaded as: its SID, or Brisko-<SID> when loaded for the run.)
const std::pair<RegRoot, const char*> kRoots[] = {{RegRoot::LocalMachine, "HKLM"},
                                                  {RegRoot::CurrentUser, "HKCU"},
                                                  {RegRoot::ClassesRoot, "HKCR"},
                                                  {RegRoot::Users, "HKU"}};

std::string RootTag(RegRoot root) {
    for (const auto& [r, tag] : kRoots)
        if (r == root) return tag;
    return "";
}

// "HKLM\path" back into its root and path; nullopt for any other text.
std::optional<std::pair<RegRoot, std::string>> KeyOf(const std::string& text) {
    for (const auto& [r, tag] : kRoots) {
        const std::string head = std::string(tag) + "\\";
        if (text.starts_with(head) && text.size() > head.size()) return std::make_pair(r, text.substr(head.size()));
    }
    return std::nullopt;
}

std::string StorePath(const std::string& keyPath) { return keyPath.substr(keyPath.starts_with('\\') ? 1 : 0); }

std::optional<int> SmallNumber(const std::string& text) {
    if (text.empty() || text.size() > 2 || text.find_first_not_of("0123456789") != std::string::npos) return std::nullopt;
    const int n = std::stoi(text);
    return n >= 1 && n <= kDeepestKey ? std::optional<int>(n) : std::nullopt;
}

std::optional<uint32_t> Attributes(const std::string& text) {
    if (text.empty() || text.size() > 8 || text.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos)
        return std::nullopt;
    return static_cast<uint32_t>(std::stoul(text, nullptr, 16)) & kSettable;
}

// Key trees, one line: "K:<path>" for each key and "V:<path>:<name>:<type>:<bytes>"
// for each value, separated by blanks; paths are relative to the kept key
// (empty for itself) and escaped with %XX outside a plain set of characters.
bool Plain(unsigned char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
           std::string_view("{}()._-\\").find(static_cast<char>(c)) != std::string_view::npos;
}

std::string Escaped(const std::string& text) {
    std::string out;
    for (unsigned char c : text) {
        if (Plain(c)) {
            out += static_cast<char>(c);
            continue;
        }
        char hex[4];
        std::snprintf(hex, sizeof hex, "%%%02X", c);
        out += hex;
    }
    return out;
}

std::optional<std::string> Unescaped(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            if (!Plain(static_cast<unsigned char>(text[i]))) return std::nullopt;
            out += text[i];
            continue;
        }
        if (i + 2 >= text.size()) return std::nullopt;
        const std::string hex = text.substr(i + 1, 2);
        if (hex.find_first_not_of("0123456789ABCDEFabcdef") != std::string::npos) return std::nullopt;
        out += static_cast<char>(std::stoi(hex, nullptr, 16));
        i += 2;
    }
    return out;
}

struct KeptValue {
    std::string name;
    RegValueData data;
};
// By relative path, each key with its values in their order.
using KeptTree = std::map<std::string, std::vector<KeptValue>>;

void Keep(RegistryStore& store, RegRoot root, const std::string& top, const std::string& relative, std::string& out) {
    const std::string path = relative.empty() ? top : top + "\\" + relative;
    out += (out.empty() ? "K:" : " K:") + Escaped(relative);
    for (const auto& name : store.ValueNames(root, path))
        if (const auto v = store.QueryValue(root, path, name, RegAccess::Query))
            out += " V:" + Escaped(relative) + ":" + Escaped(name) + ":" + TypedValueText(*v);
    for (const auto& sub : store.SubKeyNames(root, path))
        Keep(store, root, top, relative.empty() ? sub : relative + "\\" + sub, out);
}

std::optional<KeptTree> ParseTree(const std::string& text) {
    KeptTree tree;
    size_t from = 0;
    while (from <= text.size()) {
        size_t end = text.find(' ', from);
        if (end == std::string::npos) end = text.size();
        const std::string token = text.substr(from, end - from);
        from = end + 1;
        std::vector<std::string> fields;
        for (size_t at = 0, colon; at <= token.size(); at = colon + 1) {
            colon = std::min(token.find(':', at), token.size());
            fields.push_back(token.substr(at, colon - at));
        }
        if (fields.size() == 2 && fields[0] == "K") {
            const auto path = Unescaped(fields[1]);
            if (!path) return std::nullopt;
            tree[*path];
        } else if (fields.size() == 5 && fields[0] == "V") {
            const auto path = Unescaped(fields[1]), name = Unescaped(fields[2]);
            const auto data = ParseTypedValue(fields[3] + ":" + fields[4]);
            if (!path || !name || !data || !tree.count(*path)) return std::nullopt;
            tree[*path].push_back({*name, *data});
        } else {
            return std::nullopt;
        }
    }
    if (!tree.count("")) return std::nullopt;
    return tree;
}

// The key made as kept, below it too: values and subkeys not kept go.
void MakeAsKept(RegistryStore& store, RegRoot root, const std::string& top, const KeptTree& tree,
                const std::string& relative) {
    const std::string path = relative.empty() ? top : top + "\\" + relative;
    const auto& kept = tree.at(relative);
    if (!store.CanOpenKey(root, path, RegAccess::Query)) store.CreateKey(root, path);
    for (const auto& name : store.ValueNames(root, path))
        if (std::none_of(kept.begin(), kept.end(), [&](const KeptValue& v) { return v.name == name; }))
            store.DeleteValue(root, path, name);
    for (const KeptValue& v : kept)
        if (store.QueryValue(root, path, v.name, RegAccess::Query) != v.data && !store.SetValue(root, path, v.name, v.data))
            throw BriskoError(FormatUserMessage("'%s' の設定に失敗しました", v.name));
    const std::string below = relative.empty() ? "" : relative + "\\";
    for (const auto& sub : store.SubKeyNames(root, path))
        if (!tree.count(below + sub)) RegDeleteKeyTree(store, root, "\\" + path + "\\" + sub);
    for (auto it = tree.upper_bound(below); it != tree.end() && it->first.starts_with(below); ++it)
        if (it->first.find('\\', below.size()) == std::string::npos && !it->first.empty())
            MakeAsKept(store, root, top, tree, it->first);
}
}  // namespace

bool RecordsAbsence(const BackupSource& b) {
    return b.read(backupmark::kOpenSection, backupmark::kAbsenceKey) == backupmark::kAbsenceRecorded;
}

void MarkRecordsAbsence(const BackupRecorder& record) {
    record(backupmark::kOpenSection, backupmark::kAbsenceKey, backupmark::kAbsenceRecorded);
}

void RecordAbsentKeys(ProgramContext& ctx, const std::vector<std::pair<RegRoot, std::string>>& absent,
                      const BackupRecorder& record) {
    RegistryStore& store = ctx.platform.registry;
    for (const auto& [root, keyPath] : absent) {
        std::string path = keyPath;
        while (path.ends_with('\\')) path.pop_back();
        int levels = 0;
        for (std::string p = path; !p.empty() && levels < kDeepestKey && !store.CanOpenKey(root, p, RegAccess::Query);
             ++levels) {
            const size_t slash = p.find_last_of('\\');
            p = slash == std::string::npos ? "" : p.substr(0, slash);
        }
        if (levels > 0) record(kAbsentKeys, RootTag(root) + "\\" + path, std::to_string(levels));
    }
}

void DeleteKeysThatWereAbsent(ProgramContext& ctx, const BackupSource& b) {
    std::vector<std::tuple<size_t, RegRoot, std::string, int>> keys;
    for (const auto& text : b.keys(kAbsentKeys)) {
        const auto key = KeyOf(text);
        const auto levels = SmallNumber(b.read(kAbsentKeys, text));
        if (key && levels) keys.emplace_back(std::count(text.begin(), text.end(), '\\'), key->first, key->second, *levels);
    }
    std::sort(keys.begin(), keys.end(), [](const auto& a, const auto& z) { return std::get<0>(a) > std::get<0>(z); });
    RegistryStore& store = ctx.platform.registry;
    for (const auto& [depth, root, keyPath, levels] : keys) {
        std::string path = keyPath;
        for (int n = 0; n < levels && !path.empty(); ++n) {
            if (store.CanOpenKey(root, path, RegAccess::Query)) {
                if (!store.ValueNames(root, path).empty() || !store.SubKeyNames(root, path).empty()) break;
                store.DeleteKey(root, path);
            }
            const size_t slash = path.find_last_of('\\');
            path = slash == std::string::npos ? "" : path.substr(0, slash);
        }
    }
}

void RecordKeyTree(ProgramContext& ctx, const BackupRecorder& record, const std::string& row, RegRoot root,
                   const std::string& keyPath) {
    RegistryStore& store = ctx.platform.registry;
    const std::string path = StorePath(keyPath);
    if (!store.CanOpenKey(root, path, RegAccess::Full)) return;
    std::string kept;
    Keep(store, root, path, "", kept);
    record(kKeyTrees, row, kept);
}

bool RestoreKeyTree(ProgramContext& ctx, const BackupSource& b, const std::string& row, RegRoot root,
                    const std::string& keyPath) {
    const auto tree = ParseTree(b.read(kKeyTrees, row));
    if (!tree) return false;
    MakeAsKept(ctx.platform.registry, root, StorePath(keyPath), *tree, "");
    return true;
}

void RecordFileAttributes(ProgramContext& ctx, const BackupRecorder& record) {
    for (const auto& [key, path] : {std::pair(kBootFile, ctx.paths.bootFilePath), std::pair(kSysocFile, ctx.paths.sysocFilePath)})
        if (const auto attrs = path == kNullText ? std::nullopt : ctx.platform.files.GetAttributes(path)) {
            char hex[16];
            std::snprintf(hex, sizeof hex, "%x", *attrs & kSettable);
            record(kAttributes, key, hex);
        }
}

void RestoreFileAttributes(ProgramContext& ctx, const BackupSource& b) {
    FileSystem& files = ctx.platform.files;
    for (const auto& [key, path] : {std::pair(kBootFile, ctx.paths.bootFilePath), std::pair(kSysocFile, ctx.paths.sysocFilePath)}) {
        const auto wanted = Attributes(b.read(kAttributes, key));
        const auto now = path == kNullText ? std::nullopt : files.GetAttributes(path);
        if (wanted && now && (*now & kSettable) != *wanted) files.SetAttributes(path, (*now & ~kSettable) | *wanted);
    }
}

void PutValueBack(ProgramContext& ctx, RegRoot root, const std::string& keyPath, const std::string& name,
                  const std::optional<RegValueData>& value) {
    RegistryStore& store = ctx.platform.registry;
    const std::string path = StorePath(keyPath);
    const auto now = store.QueryValue(root, path, name, RegAccess::Query);
    if (now == value) return;
    if (!value) {
        store.DeleteValue(root, path, name);
        return;
    }
    store.CreateKey(root, path);
    if (!store.SetValue(root, path, name, *value)) throw BriskoError(FormatUserMessage("'%s' の設定に失敗しました", name));
}

BackupEntry KeptExactly(BackupEntry row, std::vector<ExactValue> values, std::vector<ExactKey> keys, RowStep before,
                        RowStep after) {
    row.record = [record = std::move(row.record), values, keys](ProgramContext& ctx, const BackupRecorder& rec) {
        record(ctx, rec);
        RegistryStore& store = ctx.platform.registry;
        for (const ExactValue& v : values) {
            const std::string path = StorePath(v.keyPath);
            if (!store.CanOpenKey(v.root, path, RegAccess::Full)) continue;
            if (const auto raw = store.QueryValue(v.root, path, v.name, RegAccess::Full))
                rec(kTypedValuesSection, v.id, TypedValueText(*raw));
        }
        for (const ExactKey& k : keys) RecordKeyTree(ctx, rec, k.id, k.root, k.keyPath);
    };
    row.restore = [restore = std::move(row.restore), values = std::move(values), keys = std::move(keys),
                   before = std::move(before), after = std::move(after)](ProgramContext& ctx, const BackupSource& b) {
        if (!RecordsAbsence(b)) return restore(ctx, b);
        if (before) before(ctx, b);
        for (const ExactValue& v : values) {
            const std::string text = b.read(kTypedValuesSection, v.id);
            PutValueBack(ctx, v.root, v.keyPath, v.name, text == kNullText ? std::nullopt : ParseTypedValue(text));
        }
        for (const ExactKey& k : keys)
            if (!RestoreKeyTree(ctx, b, k.id, k.root, k.keyPath)) RegDeleteKeyTree(ctx.platform.registry, k.root, k.keyPath);
        if (after) after(ctx, b);
    };
    return row;
}

std::string DamagedExactRow(const BackupSource& b) {
    auto damaged = [&](const std::string& section, const std::string& key) {
        return "[" + section + "] " + key + "=" + b.read(section, key);
    };
    for (const auto& key : b.keys(kTypedValuesSection))
        if (!ParseTypedValue(b.read(kTypedValuesSection, key))) return damaged(kTypedValuesSection, key);
    for (const auto& key : b.keys(kAbsentKeys))
        if (!KeyOf(key) || !SmallNumber(b.read(kAbsentKeys, key))) return damaged(kAbsentKeys, key);
    for (const auto& key : b.keys(kKeyTrees))
        if (!ParseTree(b.read(kKeyTrees, key))) return damaged(kKeyTrees, key);
    for (const auto& key : b.keys(kAttributes))
        if (!Attributes(b.read(kAttributes, key))) return damaged(kAttributes, key);
    return "";
}

}  // namespace brisko
