// Renaming a key when the registry refuses a write part-way: the key is
// never lost, and the caller always hears of the failure.
#include <gtest/gtest.h>

#include "platform/error.h"
#include "platform/memory_registry_store.h"
#include "platform/registry_values.h"
#include "support/item_probes.h"
#include "support/write_faults.h"

namespace brisko {
namespace {

const RegRoot HKLM = RegRoot::LocalMachine;
const std::string OLD = "\\SOFTWARE\\Ext\\{Old}", NEW = "\\SOFTWARE\\Ext\\;{Old}";

void FillKey(RegistryStore& store, const std::string& path) {
    RegWriteValue(store, HKLM, path, "", kind::kString, "既定");
    RegWriteValue(store, HKLM, path, "n", kind::kDword, "5");
    RegWriteValue(store, HKLM, path + "\\Sub", "s", kind::kString, "下");
    RegWriteValue(store, HKLM, path + "\\Sub\\Deep", "b", kind::kBinary, "A0");
    RegWriteValue(store, HKLM, path + "\\Empty", "x", kind::kString, "NULL");
}

// Every value and subkey below the key, or "(none)" when there is no key.
std::string Dump(RegistryStore& store, const std::string& path) {
    if (!store.CanOpenKey(HKLM, path, RegAccess::Query)) return "(none)";
    std::string out;
    for (const auto& line : testing::SubtreeDump(store, HKLM, path)) out += line + "\n";
    return out;
}

TEST(RegistryMove, EveryRefusedWriteKeepsTheKeyAndIsReported) {
    MemoryRegistryStore reference;
    FillKey(reference, OLD);
    const std::string original = Dump(reference, OLD.substr(1));
    int writes = 0;
    {  // a move without faults, to count its writes
        MemoryRegistryStore store;
        FillKey(store, OLD);
        testing::WriteFaults faults;
        testing::FaultyRegistryStore faulty(store, faults);
        RegMoveKey(faulty, HKLM, OLD, NEW);
        writes = faults.Count();
        EXPECT_EQ(Dump(store, NEW.substr(1)), original);
        EXPECT_EQ(Dump(store, OLD.substr(1)), "(none)");
    }
    ASSERT_GT(writes, 8);
    for (int n = 1; n <= writes; ++n) {
        SCOPED_TRACE("refused write " + std::to_string(n));
        MemoryRegistryStore store;
        FillKey(store, OLD);
        testing::WriteFaults faults;
        testing::FaultyRegistryStore faulty(store, faults);
        faults.FailWrite(n);
        EXPECT_THROW(RegMoveKey(faulty, HKLM, OLD, NEW), BriskoError) << faults.Refused();
        const std::string left = Dump(store, OLD.substr(1)), copied = Dump(store, NEW.substr(1));
        // Either the old key is whole (and no stray copy is left), or the copy
        // is whole and only the old key's removal failed.
        const bool oldWhole = left == original && copied == "(none)";
        EXPECT_TRUE(oldWhole || copied == original) << faults.Refused() << "\nold:\n" << left << "new:\n" << copied;
    }
}

// Stopped after any of its writes, the move is finished by the next one
// either way: back (a restore) or on (the item applied again).
TEST(RegistryMove, AMoveStoppedAtAnyWriteIsFinishedByTheNext) {
    MemoryRegistryStore reference;
    FillKey(reference, OLD);
    const std::string original = Dump(reference, OLD.substr(1));
    for (bool back : {true, false})
        for (int n = 0;; ++n) {
            SCOPED_TRACE("stopped after write " + std::to_string(n) + (back ? ", moved back" : ", moved on"));
            MemoryRegistryStore store;
            FillKey(store, OLD);
            testing::WriteFaults faults;
            testing::FaultyRegistryStore faulty(store, faults);
            faults.StopAfter(n);
            try {
                RegMoveKey(faulty, HKLM, OLD, NEW);
            } catch (const testing::Stopped&) {
            }
            const bool stopped = faults.Count() > n;
            faults.Resume();
            RegMoveKey(faulty, HKLM, back ? NEW : OLD, back ? OLD : NEW);
            EXPECT_EQ(Dump(store, (back ? OLD : NEW).substr(1)), original);
            EXPECT_EQ(Dump(store, (back ? NEW : OLD).substr(1)), "(none)");
            if (!stopped) break;
        }
}

TEST(RegistryMove, AKeyThatMayNotBeChangedIsReportedNotSkipped) {
    MemoryRegistryStore store;
    FillKey(store, OLD);
    store.DenyWrites(HKLM, OLD.substr(1));
    const std::string original = Dump(store, OLD.substr(1));
    EXPECT_THROW(RegMoveKey(store, HKLM, OLD, NEW), BriskoError);
    EXPECT_EQ(Dump(store, OLD.substr(1)), original);
    EXPECT_EQ(Dump(store, NEW.substr(1)), "(none)");
    EXPECT_THROW(RegMoveKey(store, HKLM, "\\SOFTWARE\\Ext", "\\SOFTWARE\\Ext\\Inside"), BriskoError)
        << "a key cannot move below itself";
}

}  // namespace
}  // namespace brisko
