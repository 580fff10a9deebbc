#include <gtest/gtest.h>

#include "platform/utilities.h"
#include "support/backends.h"

namespace brisko {
namespace {

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
