// Value texts over whichever registry the test program has, and a key renamed
// when the registry refuses a write part-way.
#include <gtest/gtest.h>

#include "platform/error.h"
#include "platform/memory_registry_store.h"
#include "platform/registry_values.h"
#include "support/backends.h"
#include "support/item_probes.h"
#include "support/test_data.h"
#include "support/write_faults.h"

namespace brisko {
namespace {

class RegistryValues : public ::testing::Test {
protected:
    std::unique_ptr<testing::RegistryUnderTest> reg = testing::MakeRegistryUnderTest();
    RegistryStore& store = *reg->store;
    RegRoot root = reg->root;
    std::string key = reg->Path("Values");

    void SetRaw(const std::string& name, uint32_t type, const std::string& bytes) {
        ASSERT_TRUE(store.CreateKey(root, key.substr(1)));
        ASSERT_TRUE(store.SetValue(root, key.substr(1), name, {type, bytes}));
    }
    std::string Read(const std::string& name, std::string_view kindTag) {
        return RegReadValue(store, root, key, name, kindTag);
    }
    RegValueData Raw(const std::string& name) {
        auto v = store.QueryValue(root, key.substr(1), name, RegAccess::Query);
        return v ? *v : RegValueData{};
    }
};

std::vector<std::vector<std::string>> Rows(const std::string& kind) {
    std::vector<std::vector<std::string>> rows;
    for (auto row : testing::TestDataRows("registry_values.tsv")) {
        for (auto& cell : row) cell = testing::Unescaped(cell);
        if (row[0] == kind) rows.emplace_back(row.begin() + 1, row.end());
    }
    return rows;
}

// The rows of tests/data/registry_values.tsv: a stored value read as a kind,
// and a text written as a kind.
TEST_F(RegistryValues, ReadsGiveTheTextOfTheKindAsked) {
    for (const auto& r : Rows("read")) {
        const RegValueData stored = testing::StoredValue(r.at(0), r.at(1));
        SetRaw("v", stored.type, stored.bytes);
        EXPECT_EQ(Read("v", r.at(2)), r.at(3)) << r[0] << " " << r[1] << " as " << r[2];
    }
    std::string longest;  // a list past 255 bytes must not read as no list
    for (int i = 0; i < 300; ++i) longest += "あ";
    SetRaw("v", regtype::kMultiSz, testing::StoredValue("MultiSz", "Tcpip|" + longest + "|Dhcp").bytes);
    EXPECT_EQ(Read("v", kind::kMultiString), "Tcpip\r" + longest + "\rDhcp\r");
    EXPECT_EQ(Read("missing", kind::kString), "NULL");
    EXPECT_EQ(RegReadValue(store, root, reg->Path("NoSuchKey"), "x", kind::kDword), "NULL");
}

// Text that is no decimal number writes nothing and reports nothing; a bad
// hex text is refused.
TEST_F(RegistryValues, WritesStoreTheBytesOfTheirKindAndRefuseOtherText) {
    for (const auto& r : Rows("write")) {
        RegWriteValue(store, root, key, "d", kind::kDword, "305419896");
        try {
            RegWriteValue(store, root, key, "d", r.at(0), r.at(1));
            ASSERT_NE(r.at(2), "throws") << r[0] << " " << r[1] << " wrote";
            const RegValueData kept{regtype::kDword, "\x78\x56\x34\x12"};
            EXPECT_EQ(Raw("d"), r[2] == "(kept)" ? kept : testing::StoredValue(r[2], r.at(3))) << r[0] << " " << r[1];
        } catch (const BriskoError&) {
            EXPECT_EQ(r.at(2), "throws") << r[0] << " " << r[1];
            EXPECT_EQ(Read("d", kind::kDword), "305419896");
        }
    }
}

TEST_F(RegistryValues, SentinelsDeleteOrLeaveAlone) {
    for (auto tag : {kind::kString, kind::kDword, kind::kBinary, kind::kExString, kind::kMultiString}) {
        RegWriteValue(store, root, key, "v", kind::kString, "keep");
        RegWriteValue(store, root, key, "v", tag, "UnfitType");
        EXPECT_EQ(Read("v", kind::kString), "keep") << tag;
        RegWriteValue(store, root, key, "v", tag, "NULL");
        EXPECT_EQ(Read("v", kind::kString), "NULL") << tag;
        EXPECT_FALSE(RegExists(store, root, key, "v", "Value")) << tag;
    }
    RegWriteValue(store, root, reg->Path("Never"), "v", kind::kString, "NULL");
    EXPECT_FALSE(store.CanOpenKey(root, reg->StorePath("Never"), RegAccess::Query)) << "deleting creates no key";
}

// The rows of registry_values.tsv: the kind a stored value reads as, and
// whether a value or key exists.
TEST_F(RegistryValues, KindQueriesAndExistence) {
    for (const auto& r : Rows("kind")) {
        const RegValueData stored = testing::StoredValue(r.at(0), r.at(1));
        SetRaw("v", stored.type, stored.bytes);
        EXPECT_EQ(RegValueKind(store, root, key, "v"), r.at(2)) << r[0] << " " << r[1];
    }
    ASSERT_TRUE(store.CreateKey(root, reg->StorePath("Values\\Child")));
    for (const auto& r : Rows("exists"))
        EXPECT_EQ(RegExists(store, root, key, r.at(0), r.at(1)), r.at(2) == "yes") << r[0] << " as " << r[1];
    EXPECT_EQ(RegValueKind(store, root, key, "missing"), "Unknown");
    EXPECT_EQ(RegValueKind(store, root, reg->Path("NoKey"), "v"), "Unknown");
}

// Moving itself is covered with every write refused in turn elsewhere.
TEST_F(RegistryValues, KeysMoveOntoNoOtherKeyAndDeleteWhole) {
    RegWriteValue(store, root, reg->Path("New\\Sub"), "s", kind::kString, "deep");
    RegWriteValue(store, root, reg->Path("Other"), "o", kind::kDword, "1");
    EXPECT_THROW(RegMoveKey(store, root, reg->Path("Other"), reg->Path("New")), BriskoError) << "another key is there";
    EXPECT_EQ(RegReadValue(store, root, reg->Path("Other"), "o", kind::kDword), "1");
    EXPECT_EQ(RegReadValue(store, root, reg->Path("New"), "o", kind::kDword), "NULL");
    RegMoveKey(store, root, reg->Path("Missing"), reg->Path("Elsewhere"));
    EXPECT_FALSE(store.CanOpenKey(root, reg->StorePath("Elsewhere"), RegAccess::Query));
    EXPECT_EQ(RegSubKeyNames(store, root, reg->Path("New")), std::vector<std::string>{"Sub"});
    RegDeleteKeyTree(store, root, reg->Path("New"));
    EXPECT_FALSE(store.CanOpenKey(root, reg->StorePath("New"), RegAccess::Query));
}

// Renaming a key when the registry refuses a write part-way: the key is
// never lost, and the caller always hears of the failure.
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

}  // namespace
}  // namespace brisko
