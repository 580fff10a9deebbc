// Value texts over whichever registry the test program has.
#include <gtest/gtest.h>

#include "platform/error.h"
#include "platform/registry_values.h"
#include "support/backends.h"

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

std::string Multi(std::initializer_list<std::string> parts) {
    std::string bytes;
    for (const auto& p : parts) bytes += EncodeRegString(p);
    return bytes + std::string(2, '\0');
}

TEST_F(RegistryValues, ReadsGiveTheTextOfTheKindAsked) {
    std::string longest;  // a list past 255 bytes must not read as no list
    for (int i = 0; i < 300; ++i) longest += "あ";
    const struct {
        uint32_t type;
        std::string bytes;
        std::string_view kindTag;
        std::string text;
    } cases[] = {
        {regtype::kDword, std::string("\xFF\xFF\xFF\xFF", 4), kind::kDword, "-1"},
        {regtype::kDword, std::string(4, '\0'), kind::kBinary, "UnfitType"},
        {regtype::kDword, std::string(4, '\0'), kind::kString, "UnfitType"},
        {regtype::kBinary, std::string("\xB0", 1), kind::kBinary, "000000B0"},
        {regtype::kBinary, std::string(8, '\x01'), kind::kBinary, "UnfitType"},
        {regtype::kNone, std::string("\x01\x02", 2), kind::kBinary, "00000201"},  // read like binary
        {regtype::kSz, EncodeRegString("デスクトップ"), kind::kString, "デスクトップ"},
        {regtype::kSz, EncodeRegString(""), kind::kString, "NULL"},
        {regtype::kSz, EncodeRegString("ab") + EncodeRegString("cd"), kind::kString, "ab"},  // up to the first NUL
        {regtype::kSz, EncodeRegString("x"), "Bogus", "NULL"},
        {regtype::kExpandSz, EncodeRegString("%SystemRoot%\\web"), kind::kString, "%SystemRoot%\\web"},  // not expanded
        {regtype::kExpandSz, EncodeRegString("%SystemRoot%\\web"), kind::kExString, "NULL"},
        {regtype::kMultiSz, Multi({"A", "B"}), kind::kMultiString, "A\rB\r"},
        {regtype::kMultiSz, std::string(2, '\0'), kind::kMultiString, "\r"},
        {regtype::kMultiSz, Multi({"日本", "語"}), kind::kMultiString, "日本\r語\r"},
        {regtype::kMultiSz, Multi({"Tcpip", longest, "Dhcp"}), kind::kMultiString, "Tcpip\r" + longest + "\rDhcp\r"},
    };
    for (const auto& c : cases) {
        SetRaw("v", c.type, c.bytes);
        EXPECT_EQ(Read("v", c.kindTag), c.text) << c.kindTag << " " << c.text;
    }
    EXPECT_EQ(Read("missing", kind::kString), "NULL");
    EXPECT_EQ(RegReadValue(store, root, reg->Path("NoSuchKey"), "x", kind::kDword), "NULL");
}

TEST_F(RegistryValues, WritesStoreTheBytesOfTheirKindAndRefuseOtherText) {
    const struct {
        std::string_view kindTag;
        std::string text;
        RegValueData stored;
    } cases[] = {
        {kind::kDword, "-2", {regtype::kDword, std::string("\xFE\xFF\xFF\xFF", 4)}},
        {kind::kDword, "305419896", {regtype::kDword, std::string("\x78\x56\x34\x12", 4)}},
        {kind::kBinary, "FF", {regtype::kBinary, std::string("\xFF\0\0\0", 4)}},
        {kind::kBinary, "a0b1c2d3", {regtype::kBinary, std::string("\xD3\xC2\xB1\xA0", 4)}},
        {kind::kString, "壁紙.bmp", {regtype::kSz, EncodeRegString("壁紙.bmp")}},
        {kind::kExString, "%windir%\\a", {regtype::kExpandSz, EncodeRegString("%windir%\\a")}},
    };
    for (const auto& c : cases) {
        RegWriteValue(store, root, key, "v", c.kindTag, c.text);
        EXPECT_EQ(Raw("v"), c.stored) << c.text;
    }
    EXPECT_EQ(RegValueKind(store, root, key, "v"), "ExString");
    // Text that is no decimal number writes nothing and reports nothing.
    RegWriteValue(store, root, key, "d", kind::kDword, "305419896");
    for (const char* bad : {"abc", "", "12x", "4294967296"}) {
        RegWriteValue(store, root, key, "d", kind::kDword, bad);
        EXPECT_EQ(Read("d", kind::kDword), "305419896") << bad;
    }
    EXPECT_THROW(RegWriteValue(store, root, key, "d", kind::kBinary, "xyz"), BriskoError);
    EXPECT_EQ(Read("d", kind::kDword), "305419896");
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

TEST_F(RegistryValues, WritingCreatesTheWholePathEvenWhenNothingIsStored) {
    RegWriteValue(store, root, reg->Path("x\\y\\z"), "v", kind::kDword, "7");
    EXPECT_EQ(RegReadValue(store, root, reg->Path("x\\y\\z"), "v", kind::kDword), "7");
    RegWriteValue(store, root, reg->Path("m\\n"), "v", kind::kMultiString, "A\r");
    EXPECT_TRUE(store.CanOpenKey(root, reg->StorePath("m\\n"), RegAccess::Query));
    EXPECT_FALSE(RegExists(store, root, reg->Path("m\\n"), "v", "Value")) << "multi-strings are not writable";
}

TEST_F(RegistryValues, KindQueriesAndExistence) {
    SetRaw("b", regtype::kBinary, "x");
    SetRaw("m", regtype::kMultiSz, std::string(2, '\0'));
    EXPECT_EQ(RegValueKind(store, root, key, "b"), "Binary");
    EXPECT_EQ(RegValueKind(store, root, key, "m"), "Unknown");
    EXPECT_EQ(RegValueKind(store, root, key, "missing"), "Unknown");
    EXPECT_EQ(RegValueKind(store, root, reg->Path("NoKey"), "b"), "Unknown");
    ASSERT_TRUE(store.CreateKey(root, reg->StorePath("Values\\Child")));
    EXPECT_TRUE(RegExists(store, root, key, "child", "Key"));
    EXPECT_FALSE(RegExists(store, root, key, "b", "Key"));
    EXPECT_TRUE(RegExists(store, root, key, "B", "Value"));
    EXPECT_FALSE(RegExists(store, root, key, "b", "Other"));
}

// Moving itself is covered with every write refused in turn elsewhere.
TEST_F(RegistryValues, KeysMoveOntoNoOtherKeyAndDeleteWhole) {
    RegWriteValue(store, root, reg->Path("New\\Sub"), "s", kind::kString, "deep");
    RegWriteValue(store, root, reg->Path("Other"), "o", kind::kDword, "1");
    RegMoveKey(store, root, reg->Path("Other"), reg->Path("New"));
    EXPECT_EQ(RegReadValue(store, root, reg->Path("Other"), "o", kind::kDword), "1");
    EXPECT_EQ(RegReadValue(store, root, reg->Path("New"), "o", kind::kDword), "NULL");
    RegMoveKey(store, root, reg->Path("Missing"), reg->Path("Elsewhere"));
    EXPECT_FALSE(store.CanOpenKey(root, reg->StorePath("Elsewhere"), RegAccess::Query));
    EXPECT_EQ(RegSubKeyNames(store, root, reg->Path("New")), std::vector<std::string>{"Sub"});
    RegDeleteKeyTree(store, root, reg->Path("New"));
    EXPECT_FALSE(store.CanOpenKey(root, reg->StorePath("New"), RegAccess::Query));
}

}  // namespace
}  // namespace brisko
