#include "support/item_probes.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "engine/item_passes.h"
#include "platform/profile/profile_document.h"
#include "platform/profile/profile_file.h"
#include "platform/registry_values.h"
#include "platform/text/case_fold.h"
#include "startup/item_enabling.h"
#include "prefs/preference_keys.h"
#include "prefs/preferences.h"
#include "support/scripted_prompts.h"
#include "support/simulated_context.h"
#include "support/test_data.h"

namespace brisko::testing {

TweakCategory CategoryNamed(const std::string& name) {
    for (TweakCategory c : kSettingCategories)
        if (CategoryKey(c) == name) return c;
    throw std::runtime_error("no category " + name);
}

namespace {
SimulatedWindows EditionNamed(const std::string& tag) {
    for (SimulatedWindows e : {SimulatedWindows::Xp, SimulatedWindows::Win2000, SimulatedWindows::Nt4,
                               SimulatedWindows::Win98})
        if (EditionTag(e) == tag) return e;
    throw std::runtime_error("no edition " + tag);
}

std::vector<int> Numbers(const std::string& list) {
    std::vector<int> numbers;
    if (list == "-") return numbers;
    for (size_t at = 0, end; at < list.size(); at = end + 1) {
        end = std::min(list.find(',', at), list.size());
        numbers.push_back(std::stoi(list.substr(at, end - at)));
    }
    return numbers;
}

std::string Cell(const std::string& cell) { return cell == "(empty)" ? "" : cell; }

const char* const kAsBefore = "=";  // as on the fresh machine
const char* const kAny = "*";       // not checked

// Numbers of the enabled items, or of those of them that are ticked.
std::vector<int> EnabledItems(ProgramContext& ctx, TweakCategory c, bool tickedOnly) {
    std::vector<int> numbers;
    const auto& list = ctx.items.List(c);
    for (size_t i = 0; i < list.size(); ++i)
        if (list[i].enabled && (!tickedOnly || list[i].ticked)) numbers.push_back(static_cast<int>(i + 1));
    return numbers;
}

std::vector<std::vector<std::string>> Rows(const std::string& kind) {
    std::vector<std::vector<std::string>> rows;
    for (auto& row : TestDataRows("items.tsv"))
        if (row[0] == kind) rows.push_back(std::vector<std::string>(row.begin() + 1, row.end()));
    return rows;
}
}  // namespace

RegRoot RootNamed(const std::string& name) {
    return name == "HKCU" ? RegRoot::CurrentUser : name == "HKCR" ? RegRoot::ClassesRoot : RegRoot::LocalMachine;
}

const std::vector<Probe>& ItemProbes() {
    static const std::vector<Probe> probes = [] {
        std::vector<Probe> out;
        for (const auto& r : Rows("probe"))
            out.push_back({CategoryNamed(r[0]), std::stoi(r[1]), r[2] == "*" ? "" : r[2], RootNamed(r[3]), r[4],
                           Cell(r[5]), r[6], Cell(r[7]), Cell(r[8])});
        return out;
    }();
    return probes;
}

const std::vector<EditionRow>& ItemEditions() {
    static const std::vector<EditionRow> editions = [] {
        std::vector<EditionRow> out;
        for (const auto& r : Rows("edition"))
            out.push_back({CategoryNamed(r[0]), EditionNamed(r[1]), Numbers(r[2]), Numbers(r[3]), Numbers(r[4]),
                           std::stoul(r[5]), Numbers(r[6])});
        return out;
    }();
    return editions;
}

const std::vector<DetectionCase>& DetectionCases() {
    static const std::vector<DetectionCase> cases = [] {
        std::vector<DetectionCase> out;
        for (const auto& r : Rows("detect")) {
            DetectionCase c{CategoryNamed(r[0]), Numbers(r[1]), EditionNamed(r[2]), r[3] == "yes", {}, {}};
            for (size_t i = 4; i + 5 <= r.size(); i += 5) c.writes.emplace_back(r.begin() + i, r.begin() + i + 5);
            for (const auto& cell : r) c.text += "[" + cell + "]";
            out.push_back(std::move(c));
        }
        return out;
    }();
    return cases;
}

std::string ReadProbe(ProgramContext& ctx, const Probe& p) {
    RegistryStore& reg = ctx.platform.registry;
    FileSystem& files = ctx.platform.files;
    if (p.how == "Pref") return IniReadValue(files, ctx.paths.preferencesFile, p.key, p.name);
    if (p.how == "Boot") return IniReadValue(files, ctx.paths.bootFilePath, p.key, p.name);
    if (p.how == "Sysoc") return IniReadValue(files, ctx.paths.sysocFilePath, "Components", p.name);
    if (p.how == "File") return files.ReadFile(ctx.paths.sysocFilePath).value_or("NULL");
    if (p.how == "Value" || p.how == "Key") return RegExists(reg, p.root, p.key, p.name, p.how) ? "yes" : "no";
    if (p.how == "Raw") return ReadBinaryHex(reg, p.root, p.key, p.name);
    const bool expandable = p.how == "ExString";
    const std::string text = RegReadValue(reg, p.root, p.key, p.name, expandable ? "String" : p.how);
    if (expandable && text != "NULL") return RegValueKind(reg, p.root, p.key, p.name) + ":" + text;
    return text;
}

std::vector<Probe> ProbesOn(TweakCategory c, SimulatedWindows edition, bool own) {
    std::vector<Probe> mine, others;
    for (const Probe& p : ItemProbes())
        if (p.category == c) (EditionListHolds(p.editions, edition) ? mine : others).push_back(p);
    if (own) return mine;
    std::erase_if(others, [&](const Probe& o) {
        return std::any_of(mine.begin(), mine.end(), [&](const Probe& m) { return m.SameThing(o); });
    });
    return others;
}

void FlipEveryItem(ProgramContext& ctx) {
    for (TweakCategory c : kSettingCategories)
        for (auto& e : ctx.items.List(c))
            if (e.enabled) e.ticked = !e.ticked;
}

void ApplyOne(ProgramContext& ctx, TweakCategory c, int item, bool ticked) {
    ctx.items.List(c).at(item - 1).ticked = ticked;
    ctx.items.states.Set(c, item - 1, !ticked);
    ApplyItemStates(ctx);
}

void EnableItems(ProgramContext& ctx, TweakCategory c, const std::vector<int>& items) {
    Preferences prefs(ctx.platform.files, ctx.paths.preferencesFile);
    for (int n : items) prefs.Delete(std::string(prefkey::kDisabledItem), prefkey::DisabledItemKey(c, n));
    ApplyDisabledItems(ctx);
}

void RoundTrip(ProgramContext& ctx, ScriptedPrompts& prompts, const EditionRow& row, const std::function<void()>& afterApply) {
    const TweakCategory c = row.category;
    EnableItems(ctx, c, row.userEnables);
    ASSERT_EQ(EnabledItems(ctx, c, false), row.enabled);
    EXPECT_EQ(EnabledItems(ctx, c, true), row.tickedAtStart) << "at start";
    const std::vector<Probe> mine = ProbesOn(c, row.edition, true), others = ProbesOn(c, row.edition, false);
    std::vector<std::string> before, othersBefore;
    for (const Probe& p : mine) before.push_back(ReadProbe(ctx, p));
    for (const Probe& p : others) othersBefore.push_back(ReadProbe(ctx, p));
    prompts.unscripted = false;
    auto applyAll = [&](bool optimised) {
        for (auto& e : ctx.items.List(c))
            if (e.enabled) e.ticked = optimised;
        ApplyItemStates(ctx);
        if (afterApply) afterApply();
        for (size_t i = 0; i < mine.size(); ++i) {
            const Probe& p = mine[i];
            std::string want = ctx.items.List(c).at(p.item - 1).enabled ? (optimised ? p.optimised : p.undone) : kAsBefore;
            if (want == kAny) continue;
            if (want == kAsBefore) want = before[i];
            else if (p.how == "ExString" && want != "NULL") want = "ExString:" + want;
            EXPECT_EQ(ReadProbe(ctx, p), want) << p.item << " " << p.key << " " << p.name << (optimised ? " optimised" : " undone");
        }
        for (size_t i = 0; i < others.size(); ++i) EXPECT_EQ(ReadProbe(ctx, others[i]), othersBefore[i]) << others[i].name;
        Redetect(ctx);
    };
    applyAll(true);
    EXPECT_EQ(EnabledItems(ctx, c, true), row.enabled) << "after optimising";
    applyAll(false);
    EXPECT_EQ(EnabledItems(ctx, c, true), row.tickedAfterUndo) << "after undoing";
}

std::string ReadBinaryHex(RegistryStore& reg, RegRoot root, const std::string& keyPath, const std::string& name) {
    const auto v = reg.QueryValue(root, keyPath.substr(1), name, RegAccess::Full);
    if (!v || v->type != regtype::kBinary) return v ? "type " + std::to_string(v->type) : "NULL";
    static const char digits[] = "0123456789ABCDEF";
    std::string hex;
    for (unsigned char b : v->bytes) {
        hex.push_back(digits[b >> 4]);
        hex.push_back(digits[b & 0xF]);
    }
    return hex;
}

std::vector<std::string> SubtreeDump(RegistryStore& reg, RegRoot root, const std::string& path, const std::string& at) {
    std::vector<std::string> out;
    if (!reg.CanOpenKey(root, path, RegAccess::Query)) return out;
    for (const auto& name : reg.ValueNames(root, path)) {
        const auto v = reg.QueryValue(root, path, name, RegAccess::Query);
        out.push_back(at + "|" + name + "|" + std::to_string(v->type) + "|" + DecodeRegData(v->bytes));
    }
    for (const auto& sub : reg.SubKeyNames(root, path)) {
        out.push_back(at + "\\" + sub);
        auto below = SubtreeDump(reg, root, path + "\\" + sub, at + "\\" + sub);
        out.insert(out.end(), below.begin(), below.end());
    }
    return out;
}

BackupEntries ReadBackupEntries(FileSystem& files, const std::string& path) {
    const auto doc = profile::ProfileDocument::Parse(files.ReadFile(path).value_or(""));
    BackupEntries entries;
    for (const char* section : {"システム", "システム9", "デスクトップ", "エクスプローラ", "起動・終了", "その他", "不要サービス",
                                "不要サービス-s", "パソコン情報"})
        for (const auto& key : doc.Keys(section)) entries[std::string(section) + "/" + key] = *doc.Read(section, key);
    return entries;
}

std::string Differences(const BackupEntries& expected, const BackupEntries& actual) {
    std::string out;
    for (const auto& [key, value] : expected) {
        auto it = actual.find(key);
        const std::string got = it == actual.end() ? "(absent)" : it->second;
        if (got != value) out += key + ": " + value + " -> " + got + "\n";
    }
    for (const auto& [key, value] : actual)
        if (!expected.count(key)) out += key + ": (absent) -> " + value + "\n";
    return out;
}

void LeaveOutWhatARestoreSetsOtherwise(BackupEntries& before, BackupEntries& after) {
    for (const char* key : {"デスクトップ/9a", "デスクトップ/9b", "エクスプローラ/2"})
        if (before.count(key) && (before[key] == "true" || before[key] == "UnfitType")) after.erase(key), before.erase(key);
    for (const char* key : {"エクスプローラ/8", "その他/1", "起動・終了/2", "起動・終了/5", "起動・終了/6", "起動・終了/7"})
        if (!before.count(key)) after.erase(key);
}

std::string EditionName(SimulatedWindows edition) {
    const char* names[] = {"Xp", "Win2000", "Nt4", "Win98"};
    return names[static_cast<int>(edition)];
}

const std::vector<ItemKey>& ItemKeys() {
    static const std::vector<ItemKey> all = [] {
        // The simulated machines' keys and the keys the item table probes; a key
        // with another of them below it is remembered by its values only.
        std::vector<ItemKey> keys;
        auto add = [&](RegRoot root, const std::string& path) {
            for (const ItemKey& k : keys)
                if (k.root == root && text::AsciiLower(k.path) == text::AsciiLower(path)) return;
            keys.push_back({root, path, false});
        };
        for (SimulatedWindows e : {SimulatedWindows::Xp, SimulatedWindows::Win2000, SimulatedWindows::Nt4, SimulatedWindows::Win98})
            for (const SimulatedKey& k : SimulatedKeys(e)) add(k.root, k.path);
        for (const Probe& p : ItemProbes()) {
            if (p.key.empty() || p.key[0] != '\\') continue;
            add(p.root, p.how == "Key" ? p.key.substr(1) + "\\" + p.name : p.key.substr(1));
        }
        // What the PC information reads.
        add(RegRoot::LocalMachine, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion");
        add(RegRoot::LocalMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion");
        for (ItemKey& k : keys)
            for (const ItemKey& below : keys)
                if (below.root == k.root && text::AsciiLower(below.path).starts_with(text::AsciiLower(k.path) + "\\"))
                    k.valuesOnly = true;
        return keys;
    }();
    return all;
}

}  // namespace brisko::testing
