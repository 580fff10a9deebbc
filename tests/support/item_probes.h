#pragma once
// The item table of tests/data/items.tsv and what the item tests share:
// ticking and applying, reading what an item leaves (on a simulated machine
// or on Wine's real registry, through the program context), dumps of registry
// subtrees and the comparison of backup entries.
#include <functional>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "engine/program_context.h"
#include "support/scripted_prompts.h"
#include "support/simulated_machine.h"

namespace brisko::testing {

// One value, key, file line or preference an item touches (see items.tsv).
struct Probe {
    TweakCategory category;
    int item;
    std::string editions;
    RegRoot root;
    std::string key, name, how;
    std::string optimised, undone;
    bool SameThing(const Probe& o) const { return root == o.root && key == o.key && name == o.name && how == o.how; }
};
// Which items an edition enables and ticks, and what the round trip runs.
struct EditionRow {
    TweakCategory category;
    SimulatedWindows edition;
    std::vector<int> enabled, tickedAtStart, tickedAfterUndo;
    size_t commands;
    std::vector<int> userEnables;
};
// Values written before the start, and whether the items then show ticked.
struct DetectionCase {
    TweakCategory category;
    std::vector<int> items;
    SimulatedWindows edition;
    bool ticked;
    std::vector<std::vector<std::string>> writes;  // root, key, name, kind, text
    std::string text;                                 // the row, for messages
};
inline void PrintTo(const EditionRow& r, std::ostream* os) { *os << CategoryKey(r.category) << " " << static_cast<int>(r.edition); }
inline void PrintTo(const DetectionCase& c, std::ostream* os) { *os << c.text; }
const std::vector<Probe>& ItemProbes();
const std::vector<EditionRow>& ItemEditions();
const std::vector<DetectionCase>& DetectionCases();
RegRoot RootNamed(const std::string& name);
// A setting category by its key in the data files ("System" ... "Others").
TweakCategory CategoryNamed(const std::string& name);

// What the probe reads now.
std::string ReadProbe(ProgramContext& ctx, const Probe& p);
// The category's probes that hold on the edition, and those of other
// editions that must then stay as they were.
std::vector<Probe> ProbesOn(TweakCategory c, SimulatedWindows edition, bool own);

// Ticks the other way every enabled item of the five setting lists.
void FlipEveryItem(ProgramContext& ctx);
// Applies one item ticked or not, whatever the machine was thought to be.
void ApplyOne(ProgramContext& ctx, TweakCategory c, int item, bool ticked);
// Lets the user enable items as the options window would.
void EnableItems(ProgramContext& ctx, TweakCategory c, const std::vector<int>& items);
// Ticks and applies every enabled item of the category, then unticks and
// applies them; checks every probe, the ticks the machine then shows and the
// commands run. Confirmations (to prompts, the context's) are answered no;
// `afterApply` stands in for what Windows does after each pass.
void RoundTrip(ProgramContext& ctx, ScriptedPrompts& prompts, const EditionRow& row,
               const std::function<void()>& afterApply = {});

// A binary value's bytes as upper-case hex, "NULL" when absent, or "type N"
// when it is of another type.
std::string ReadBinaryHex(RegistryStore& reg, RegRoot root, const std::string& keyPath, const std::string& name);
// Every value and subkey below a key, paths relative to it: "sub|name|type|data"
// for a value, "sub" for a subkey; without the leading backslash.
std::vector<std::string> SubtreeDump(RegistryStore& reg, RegRoot root, const std::string& path,
                                     const std::string& at = "");

// A backup file's entries ("section/key" -> text), and the entries that
// differ, one "key: expected -> actual" line each.
using BackupEntries = std::map<std::string, std::string>;
BackupEntries ReadBackupEntries(FileSystem& files, const std::string& path);
std::string Differences(const BackupEntries& expected, const BackupEntries& actual);
// Leaves out of a backup made before a restore and one made after it what the
// restore sets otherwise by design: Desktop 9 deletes binary blobs of which
// the backup records only the presence; a value of another type ("UnfitType":
// 98 keeps UpdateMode as binary) stays as the apply made it; and where the
// backup had nothing, a few items get their defaults.
void LeaveOutWhatARestoreSetsOtherwise(BackupEntries& before, BackupEntries& after);

// Every key the items, the backups and the simulated machines touch, from
// the data files; for keys with others below them only the key's own values.
struct ItemKey {
    RegRoot root;
    std::string path;
    bool valuesOnly;
};
const std::vector<ItemKey>& ItemKeys();

// The edition's name for parameterised tests.
std::string EditionName(SimulatedWindows edition);

}  // namespace brisko::testing
