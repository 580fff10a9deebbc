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

TEST_F(RegistryValues, DwordTextIsSignedDecimalBothWays) {
    SetRaw("d", regtype::kDword, std::string("\xFF\xFF\xFF\xFF", 4));
    EXPECT_EQ(Read("d", kind::kDword), "-1");
    RegWriteValue(store, root, key, "d", kind::kDword, "-2");
    EXPECT_EQ(Raw("d"), (RegValueData{regtype::kDword, std::string("\xFE\xFF\xFF\xFF", 4)}));
    RegWriteValue(store, root, key, "d", kind::kDword, "305419896");
    EXPECT_EQ(Raw("d").bytes, std::string("\x78\x56\x34\x12", 4));
    EXPECT_EQ(Read("d", kind::kDword), "305419896");
    // Text that is no decimal number writes nothing and reports nothing.
    for (const char* bad : {"abc", "", "12x", "4294967296"}) {
        RegWriteValue(store, root, key, "d", kind::kDword, bad);
        EXPECT_EQ(Read("d", kind::kDword), "305419896") << bad;
    }
}

TEST_F(RegistryValues, BinaryTextIsEightHexDigitsOfUpToFourBytes) {
    SetRaw("one", regtype::kBinary, std::string("\xB0", 1));
    SetRaw("eight", regtype::kBinary, std::string(8, '\x01'));
    SetRaw("none", regtype::kNone, std::string("\x01\x02", 2));
    SetRaw("dw", regtype::kDword, std::string(4, '\0'));
    EXPECT_EQ(Read("one", kind::kBinary), "000000B0");
    EXPECT_EQ(Read("eight", kind::kBinary), "UnfitType");
    EXPECT_EQ(Read("none", kind::kBinary), "00000201") << "other non-string types read like binary";
    EXPECT_EQ(Read("dw", kind::kBinary), "UnfitType");
    RegWriteValue(store, root, key, "w", kind::kBinary, "FF");
    EXPECT_EQ(Raw("w"), (RegValueData{regtype::kBinary, std::string("\xFF\0\0\0", 4)}));
    RegWriteValue(store, root, key, "w", kind::kBinary, "a0b1c2d3");
    EXPECT_EQ(Raw("w").bytes, std::string("\xD3\xC2\xB1\xA0", 4));
    EXPECT_EQ(Read("w", kind::kBinary), "A0B1C2D3");
    EXPECT_THROW(RegWriteValue(store, root, key, "w", kind::kBinary, "xyz"), BriskoError);
    EXPECT_EQ(Read("w", kind::kBinary), "A0B1C2D3");
}

TEST_F(RegistryValues, StringReadsAcceptBothStringTypes) {
    SetRaw("sz", regtype::kSz, EncodeRegString("デスクトップ"));
    SetRaw("empty", regtype::kSz, EncodeRegString(""));
    SetRaw("exp", regtype::kExpandSz, EncodeRegString("%SystemRoot%\\web"));
    SetRaw("dw", regtype::kDword, std::string(4, '\0'));
    SetRaw("embedded", regtype::kSz, EncodeRegString("ab") + EncodeRegString("cd"));
    EXPECT_EQ(Read("sz", kind::kString), "デスクトップ");
    EXPECT_EQ(Read("empty", kind::kString), "NULL");
    EXPECT_EQ(Read("exp", kind::kString), "%SystemRoot%\\web") << "not expanded";
    EXPECT_EQ(Read("exp", kind::kExString), "NULL") << "expandable strings are read as String";
    EXPECT_EQ(Read("dw", kind::kString), "UnfitType");
    EXPECT_EQ(Read("embedded", kind::kString), "ab") << "up to the first NUL";
    EXPECT_EQ(Read("missing", kind::kString), "NULL");
    EXPECT_EQ(Read("sz", "Bogus"), "NULL");
    EXPECT_EQ(RegReadValue(store, root, reg->Path("NoSuchKey"), "x", kind::kDword), "NULL");
}

TEST_F(RegistryValues, StringWritesStoreTheirType) {
    RegWriteValue(store, root, key, "s", kind::kString, "壁紙.bmp");
    RegWriteValue(store, root, key, "e", kind::kExString, "%windir%\\a");
    EXPECT_EQ(Raw("s"), (RegValueData{regtype::kSz, EncodeRegString("壁紙.bmp")}));
    EXPECT_EQ(Raw("e"), (RegValueData{regtype::kExpandSz, EncodeRegString("%windir%\\a")}));
    EXPECT_EQ(RegValueKind(store, root, key, "s"), "String");
    EXPECT_EQ(RegValueKind(store, root, key, "e"), "ExString");
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

TEST_F(RegistryValues, MultiStringsReadAsCarriageReturnTerminatedLines) {
    auto multi = [](std::initializer_list<const char*> parts) {
        std::string bytes;
        for (const char* p : parts) bytes += EncodeRegString(p);
        return bytes + std::string(2, '\0');
    };
    SetRaw("two", regtype::kMultiSz, multi({"A", "B"}));
    SetRaw("empty", regtype::kMultiSz, std::string(2, '\0'));
    SetRaw("jp", regtype::kMultiSz, multi({"日本", "語"}));
    EXPECT_EQ(Read("two", kind::kMultiString), "A\rB\r");
    EXPECT_EQ(Read("empty", kind::kMultiString), "\r");
    EXPECT_EQ(Read("jp", kind::kMultiString), "日本\r語\r");
    // Lists longer than 255 bytes read whole: a long dependency list must not
    // read as no list at all.
    std::string longest;
    for (int i = 0; i < 300; ++i) longest += "あ";
    SetRaw("long", regtype::kMultiSz, multi({"Tcpip", longest.c_str(), "Dhcp"}));
    EXPECT_EQ(Read("long", kind::kMultiString), "Tcpip\r" + longest + "\rDhcp\r");
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
    EXPECT_FALSE(RegExists(store, root, reg->Path("NoKey"), "b", "Value"));
}

TEST_F(RegistryValues, DeleteTreeAndMoveKey) {
    RegWriteValue(store, root, reg->Path("Old"), "", kind::kString, "default");
    RegWriteValue(store, root, reg->Path("Old"), "n", kind::kDword, "5");
    RegWriteValue(store, root, reg->Path("Old\\Sub\\Deep"), "s", kind::kString, "deep");
    RegMoveKey(store, root, reg->Path("Old"), reg->Path("New"));
    EXPECT_FALSE(store.CanOpenKey(root, reg->StorePath("Old"), RegAccess::Query));
    EXPECT_EQ(RegReadValue(store, root, reg->Path("New"), "", kind::kString), "default");
    EXPECT_EQ(RegReadValue(store, root, reg->Path("New"), "n", kind::kDword), "5");
    EXPECT_EQ(RegReadValue(store, root, reg->Path("New\\Sub\\Deep"), "s", kind::kString), "deep");
    // No move onto an existing key, and none from a missing one.
    RegWriteValue(store, root, reg->Path("Other"), "o", kind::kDword, "1");
    RegMoveKey(store, root, reg->Path("Other"), reg->Path("New"));
    EXPECT_EQ(RegReadValue(store, root, reg->Path("Other"), "o", kind::kDword), "1");
    EXPECT_EQ(RegReadValue(store, root, reg->Path("New"), "o", kind::kDword), "NULL");
    RegMoveKey(store, root, reg->Path("Missing"), reg->Path("Elsewhere"));
    EXPECT_FALSE(store.CanOpenKey(root, reg->StorePath("Elsewhere"), RegAccess::Query));

    EXPECT_EQ(RegSubKeyNames(store, root, reg->Path("New")), std::vector<std::string>{"Sub"});
    RegDeleteKeyTree(store, root, reg->Path("New"));
    EXPECT_FALSE(store.CanOpenKey(root, reg->StorePath("New"), RegAccess::Query));
    EXPECT_TRUE(RegSubKeyNames(store, root, reg->Path("New")).empty());
}

}  // namespace
}  // namespace brisko
