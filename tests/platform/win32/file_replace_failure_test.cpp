// The real file system's whole-file write when ReplaceFileW fails part way,
// played through its replace seam: the target keeps the old or the new bytes.
#include <gtest/gtest.h>

#include <windows.h>

#include "platform/win32/wide.h"
#include "platform/win32/win32_file_system.h"
#include "support/backends.h"

namespace brisko {
namespace {

using win32::Widen;

// 1176 as documented without a backup name: the target is gone, the new file
// keeps its temporary name.
bool TargetGone(const std::string& target, const std::string&, const std::string&) {
    DeleteFileW(Widen(target).c_str());
    return false;
}

// 1177: the old file under the backup name, the new one under its own.
bool OldUnderBackup(const std::string& target, const std::string&, const std::string& backup) {
    MoveFileW(Widen(target).c_str(), Widen(backup).c_str());
    return false;
}

TEST(Win32FileReplace, AFailedReplaceStillLeavesTheNewBytesAndNothingBeside) {
    for (auto play : {&TargetGone, &OldUnderBackup}) {
        auto scratch = testing::MakeFilesUnderTest();
        win32::Win32FileSystem files(play);
        const std::string path = scratch->Path("boot.ini");
        scratch->PutFile(path, "old", fileattr::kHidden);
        EXPECT_TRUE(files.WriteReplacing(path, "new"));
        EXPECT_EQ(files.ReadFile(path), "new");
        EXPECT_EQ(*files.GetAttributes(path) & fileattr::kHidden, fileattr::kHidden);
        EXPECT_EQ(files.ListFolder(scratch->folder).size(), 1u);
    }
}

}  // namespace
}  // namespace brisko
