// File rules the program relies on, against the in-memory file system on the
// host and the real one under Wine.
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/rehearsal_overlay.h"
#include "support/backends.h"

namespace brisko {
namespace {

// Param: through an overlay, as a rehearsal sees the file system.
class FileSystemConformance : public ::testing::TestWithParam<bool> {
protected:
    std::unique_ptr<testing::FilesUnderTest> fs = testing::MakeFilesUnderTest();
    FileOverlay overlay{*fs->files};
    FileSystem& files = GetParam() ? static_cast<FileSystem&>(overlay) : *fs->files;
    std::vector<std::string> Names() {
        std::vector<std::string> names;
        for (const auto& e : files.ListFolder(fs->folder)) names.push_back(e.name + (e.isFolder ? "\\" : ""));
        std::sort(names.begin(), names.end());
        return names;
    }
};

TEST_P(FileSystemConformance, ReplacingWritesWholeAndLeavesNothingBeside) {
    const std::string path = fs->Path("Brisko.ini");
    ASSERT_TRUE(files.WriteReplacing(path, "first"));
    ASSERT_TRUE(files.WriteReplacing(path, std::string("second\0bytes", 12)));
    EXPECT_EQ(files.ReadFile(fs->Path("BRISKO.INI")), std::string("second\0bytes", 12)) << "names ignore case";
    EXPECT_EQ(files.ReadFile(path, 11), std::nullopt) << "a file larger than asked for is refused whole";
    EXPECT_TRUE(files.ReadFile(path, 12));
    EXPECT_EQ(Names(), std::vector<std::string>{"Brisko.ini"}) << "no temporary file is left";
}

TEST_P(FileSystemConformance, ReplacingKeepsHiddenAndSystemAttributes) {
    const std::string path = fs->Path("boot.ini");
    fs->PutFile(path, "[boot loader]\r\n", fileattr::kHidden | fileattr::kSystem);
    ASSERT_TRUE(files.WriteReplacing(path, "[boot loader]\r\ntimeout=3\r\n"));
    EXPECT_EQ(*files.GetAttributes(path) & (fileattr::kHidden | fileattr::kSystem), fileattr::kHidden | fileattr::kSystem);
}

TEST_P(FileSystemConformance, ARefusedReplacementKeepsTheOldFile) {
    const std::string path = fs->Path("locked.ini");
    fs->PutFile(path, "old", fileattr::kReadOnly);
    EXPECT_FALSE(files.WriteReplacing(path, "new"));
    EXPECT_EQ(files.ReadFile(path), "old");
    EXPECT_EQ(Names(), std::vector<std::string>{"locked.ini"});
    EXPECT_FALSE(files.WriteReplacing(fs->Path("missing folder\\x.ini"), "x"));
}

TEST_P(FileSystemConformance, MissingFilesAndFolderListings) {
    EXPECT_FALSE(files.ReadFile(fs->Path("none")));
    EXPECT_FALSE(files.GetAttributes(fs->Path("none")));
    EXPECT_FALSE(files.SetAttributes(fs->Path("none"), fileattr::kHidden));
    fs->MakeFolder(fs->Path("sub"));
    fs->PutFile(fs->Path("a.txt"), "", fileattr::kArchive);
    EXPECT_EQ(Names(), (std::vector<std::string>{"a.txt", "sub\\"}));
    EXPECT_TRUE(*files.GetAttributes(fs->Path("sub")) & fileattr::kDirectory);
    EXPECT_TRUE(files.ReadFile(fs->Path("a.txt")).has_value()) << "an empty file exists";
}

TEST_P(FileSystemConformance, FoldersAreMadeOneLevelAndFilesRemoved) {
    EXPECT_TRUE(files.CreateFolder(fs->Path("backups")));
    EXPECT_TRUE(files.CreateFolder(fs->Path("backups"))) << "an existing folder is fine";
    EXPECT_FALSE(files.CreateFolder(fs->Path("a\\b"))) << "only one level";
    ASSERT_TRUE(files.WriteReplacing(fs->Path("backups\\x.ini"), "x"));
    EXPECT_TRUE(files.RemoveFile(fs->Path("backups\\x.ini")));
    EXPECT_FALSE(files.RemoveFile(fs->Path("backups\\x.ini")));
    EXPECT_FALSE(files.RemoveFile(fs->Path("backups"))) << "not a folder";
    EXPECT_EQ(Names(), std::vector<std::string>{"backups\\"});
}

INSTANTIATE_TEST_SUITE_P(Backends, FileSystemConformance, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Overlaid" : "Direct"; });

}  // namespace
}  // namespace brisko
