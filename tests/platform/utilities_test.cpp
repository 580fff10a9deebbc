#include <gtest/gtest.h>

#include "platform/error.h"
#include "platform/utilities.h"
#include "support/backends.h"

namespace brisko {
namespace {

TEST(Utilities, HexTextToIntAcceptsOnlyUpToEightHexDigits) {
    EXPECT_EQ(HexTextToInt("ff"), 0xFFu);
    EXPECT_EQ(HexTextToInt("DeadBeef"), 0xDEADBEEFu);
    EXPECT_EQ(HexTextToInt("00000001"), 1u);
    for (const char* bad : {"", "0x10", "12g", "123456789", " 1", "-1"})
        EXPECT_THROW(HexTextToInt(bad), BriskoError) << bad;
    EXPECT_EQ(FormatHex8(0xB0), "000000B0");
}

TEST(Utilities, ContainsAnyCharNeverMatchesInsideADoubleByteCharacter) {
    EXPECT_TRUE(ContainsAnyChar("My PC", "xyz"));
    EXPECT_TRUE(ContainsAnyChar("name", "N"));
    EXPECT_FALSE(ContainsAnyChar("ソフト表", "\\|")) << "83 5C and 95 5C carry a backslash byte in Shift_JIS";
    EXPECT_TRUE(ContainsAnyChar("ソ\\", "\\"));
    EXPECT_FALSE(ContainsAnyChar("", "a"));
}

TEST(Utilities, CountFolderEntriesCountsEveryDepthKeepsTheCallerAliveAndCanBeAbandoned) {
    auto fs = testing::MakeFilesUnderTest();
    fs->PutFile(fs->Path("b.sys"), "b", fileattr::kHidden | fileattr::kSystem);
    fs->MakeFolder(fs->Path("sub"));
    fs->MakeFolder(fs->Path("sub\\deeper"));
    for (int i = 0; i < 149; ++i) fs->PutFile(fs->Path("sub\\" + std::to_string(i)), "", fileattr::kArchive);
    int calls = 0;
    EXPECT_EQ(CountFolderEntries(*fs->files, fs->folder + "\\", [&] { return ++calls > 0; }), 152u);
    EXPECT_EQ(calls, 152 / static_cast<int>(kEntriesPerKeepAlive));
    calls = 0;
    EXPECT_EQ(CountFolderEntries(*fs->files, fs->folder, [&] { return ++calls < 2; }), std::nullopt);
    EXPECT_EQ(calls, 2) << "nothing more is asked once the count is abandoned";
    EXPECT_EQ(CountFolderEntries(*fs->files, fs->Path("missing")), 0u);
}

}  // namespace
}  // namespace brisko
