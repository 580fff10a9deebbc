// The registry rules the program relies on. Runs against the in-memory store
// on the host and against the real registry under Wine: where the two
// disagree, the in-memory store is wrong (or Wine is, where marked).
#include <gtest/gtest.h>

#include "platform/registry_values.h"
#include "platform/rehearsal_overlay.h"
#include "support/backends.h"

namespace brisko {
namespace {

// Param: through an overlay, as a rehearsal sees the registry.
class RegistryStoreConformance : public ::testing::TestWithParam<bool> {
protected:
    std::unique_ptr<testing::RegistryUnderTest> reg = testing::MakeRegistryUnderTest();
    RegistryOverlay overlay{*reg->store};
    RegistryStore& store = GetParam() ? static_cast<RegistryStore&>(overlay) : *reg->store;
    RegRoot root = reg->root;
    std::string Key(const std::string& sub = "") { return reg->StorePath(sub); }
};

TEST_P(RegistryStoreConformance, CreateKeyMakesEveryMissingParent) {
    EXPECT_FALSE(store.CanOpenKey(root, Key("a\\b\\c"), RegAccess::Full));
    ASSERT_TRUE(store.CreateKey(root, Key("a\\b\\c")));
    EXPECT_TRUE(store.CanOpenKey(root, Key("a"), RegAccess::Full));
    EXPECT_TRUE(store.CanOpenKey(root, Key("a\\b\\c"), RegAccess::Query));
    EXPECT_TRUE(store.CreateKey(root, Key("a\\b\\c"))) << "creating an existing key opens it";
}

TEST_P(RegistryStoreConformance, NamesMatchWithoutCaseAndKeepTheirCase) {
    ASSERT_TRUE(store.CreateKey(root, Key("MixedCase")));
    EXPECT_TRUE(store.CanOpenKey(root, Key("mixedcase"), RegAccess::Full));
    ASSERT_TRUE(store.SetValue(root, Key("MIXEDCASE"), "ValueName", {regtype::kDword, std::string("\x01\0\0\0", 4)}));
    auto v = store.QueryValue(root, Key("mixedCASE"), "valuename", RegAccess::Full);
    ASSERT_TRUE(v);
    EXPECT_EQ(v->type, regtype::kDword);
    ASSERT_TRUE(store.SetValue(root, Key("MixedCase"), "VALUENAME", {regtype::kDword, std::string("\x02\0\0\0", 4)}));
    EXPECT_EQ(store.ValueNames(root, Key("MixedCase")), std::vector<std::string>{"ValueName"})
        << "overwriting through another case keeps the first spelling";
    EXPECT_EQ(store.SubKeyNames(root, Key()), std::vector<std::string>{"MixedCase"});
}

TEST_P(RegistryStoreConformance, DefaultValueHasTheEmptyName) {
    ASSERT_TRUE(store.CreateKey(root, Key("k")));
    EXPECT_FALSE(store.QueryValue(root, Key("k"), "", RegAccess::Full)) << "a new key has no default value";
    ASSERT_TRUE(store.SetValue(root, Key("k"), "", {regtype::kSz, EncodeRegString("既定")}));
    auto v = store.QueryValue(root, Key("k"), "", RegAccess::Full);
    ASSERT_TRUE(v);
    EXPECT_EQ(DecodeRegString(v->bytes), "既定");
    EXPECT_TRUE(store.DeleteValue(root, Key("k"), ""));
    EXPECT_FALSE(store.QueryValue(root, Key("k"), "", RegAccess::Full));
}

TEST_P(RegistryStoreConformance, RawTypedBytesComeBackUnchanged) {
    ASSERT_TRUE(store.CreateKey(root, Key("raw")));
    const std::vector<RegValueData> samples = {
        {regtype::kBinary, std::string("\xB0", 1)},
        {regtype::kBinary, std::string("\x00\x01\x02\x03\x04\x05\x06\x07", 8)},
        {regtype::kBinary, std::string()},
        {regtype::kMultiSz, std::string("A\0\0\0B\0\0\0\0\0", 10)},
        {regtype::kExpandSz, EncodeRegString("%SystemRoot%\\x")},
        {regtype::kQword, std::string("\x01\x02\x03\x04\x05\x06\x07\x08", 8)},
        {0x12345, std::string("odd", 3)},
    };
    for (size_t i = 0; i < samples.size(); ++i) {
        const std::string name = "v" + std::to_string(i);
        ASSERT_TRUE(store.SetValue(root, Key("raw"), name, samples[i]));
        auto back = store.QueryValue(root, Key("raw"), name, RegAccess::Query);
        ASSERT_TRUE(back) << name;
        EXPECT_EQ(*back, samples[i]) << name;
    }
}

TEST_P(RegistryStoreConformance, SubkeysEnumerateInOrderOfTheirUpperCasedNames) {
    for (const char* name : {"b", "A_", "ab", "Ca", "a", "[x", "Z"}) ASSERT_TRUE(store.CreateKey(root, Key(name)));
    const auto names = store.SubKeyNames(root, Key());
    if (testing::RunningUnderWine()) {
        // Known deviation of Wine: it orders by lower-cased names (server/registry.c
        // compares with to_lower), so "_" and "[" sort before the letters there.
        EXPECT_EQ(names, (std::vector<std::string>{"[x", "a", "A_", "ab", "b", "Ca", "Z"}));
    } else {
        // Windows keeps a key's subkeys sorted by upper-cased name.
        EXPECT_EQ(names, (std::vector<std::string>{"a", "ab", "A_", "b", "Ca", "Z", "[x"}));
    }
}

TEST_P(RegistryStoreConformance, ValuesEnumerateInCreationOrder) {
    ASSERT_TRUE(store.CreateKey(root, Key("vals")));
    for (const char* name : {"zeta", "Alpha", "mid"})
        ASSERT_TRUE(store.SetValue(root, Key("vals"), name, {regtype::kSz, EncodeRegString("x")}));
    const auto names = store.ValueNames(root, Key("vals"));
    if (testing::RunningUnderWine()) {
        // Known deviation of Wine: values are kept sorted like subkeys.
        EXPECT_EQ(names, (std::vector<std::string>{"Alpha", "mid", "zeta"}));
    } else {
        EXPECT_EQ(names, (std::vector<std::string>{"zeta", "Alpha", "mid"}));
    }
}

TEST_P(RegistryStoreConformance, DeleteKeyRefusesAKeyWithSubkeys) {
    ASSERT_TRUE(store.CreateKey(root, Key("p\\child")));
    EXPECT_FALSE(store.DeleteKey(root, Key("p")));
    EXPECT_TRUE(store.DeleteKey(root, Key("p\\child")));
    EXPECT_TRUE(store.DeleteKey(root, Key("p")));
    EXPECT_FALSE(store.CanOpenKey(root, Key("p"), RegAccess::Query));
    EXPECT_FALSE(store.DeleteKey(root, Key("p")));
}

TEST_P(RegistryStoreConformance, MissingThingsAreReportedAsMissing) {
    EXPECT_FALSE(store.QueryValue(root, Key("nokey"), "v", RegAccess::Query));
    EXPECT_FALSE(store.SetValue(root, Key("nokey"), "v", {regtype::kSz, EncodeRegString("x")}))
        << "setting a value does not create its key";
    EXPECT_FALSE(store.DeleteValue(root, Key("nokey"), "v"));
    EXPECT_TRUE(store.SubKeyNames(root, Key("nokey")).empty());
    ASSERT_TRUE(store.CreateKey(root, Key("k")));
    EXPECT_FALSE(store.DeleteValue(root, Key("k"), "absent"));
}

INSTANTIATE_TEST_SUITE_P(Backends, RegistryStoreConformance, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Overlaid" : "Direct"; });

}  // namespace
}  // namespace brisko
