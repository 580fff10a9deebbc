#include <gtest/gtest.h>

#include "platform/error.h"
#include "platform/utilities.h"
#include "support/backends.h"

namespace brisko {
namespace {

TEST(Utilities, ColorToRgbTextPutsRedFirst) {
    EXPECT_EQ(ColorToRgbText(0x000080FF), "255 128 0");
    EXPECT_EQ(ColorToRgbText(-1), "0 0 0");
    EXPECT_EQ(ColorToRgbText(0x00FFFFFF), "255 255 255");
}

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

TEST(Utilities, CountFolderEntriesCountsFilesAndFoldersAtEveryDepth) {
    auto fs = testing::MakeFilesUnderTest();
    fs->PutFile(fs->Path("a.txt"), "a", fileattr::kArchive);
    fs->PutFile(fs->Path("b.sys"), "b", fileattr::kHidden | fileattr::kSystem);
    fs->MakeFolder(fs->Path("sub"));
    for (const char* n : {"sub\\1", "sub\\2", "sub\\3"}) fs->PutFile(fs->Path(n), "x", fileattr::kArchive);
    EXPECT_EQ(CountFolderEntries(*fs->files, fs->folder), 6u);
    EXPECT_EQ(CountFolderEntries(*fs->files, fs->folder + "\\"), 6u);
    fs->MakeFolder(fs->Path("sub\\deeper"));
    EXPECT_EQ(CountFolderEntries(*fs->files, fs->folder), 7u);
    EXPECT_EQ(CountFolderEntries(*fs->files, fs->Path("missing")), 0u);
}

TEST(Utilities, CountFolderEntriesKeepsTheCallerAliveAndCanBeAbandoned) {
    auto fs = testing::MakeFilesUnderTest();
    fs->MakeFolder(fs->Path("sub"));
    for (int i = 0; i < 150; ++i) fs->PutFile(fs->Path("sub\\" + std::to_string(i)), "", fileattr::kArchive);
    int calls = 0;
    EXPECT_EQ(CountFolderEntries(*fs->files, fs->folder, [&] { return ++calls > 0; }), 151u);
    EXPECT_EQ(calls, 151 / static_cast<int>(kEntriesPerKeepAlive));
    calls = 0;
    EXPECT_EQ(CountFolderEntries(*fs->files, fs->folder, [&] { return ++calls < 2; }), std::nullopt);
    EXPECT_EQ(calls, 2) << "nothing more is asked once the count is abandoned";
}

}  // namespace
}  // namespace brisko
