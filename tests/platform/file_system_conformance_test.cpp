// File rules the program relies on, against the in-memory file system on the
// host and the real one under Wine.
#include <gtest/gtest.h>

#include <algorithm>

#include "support/backends.h"

namespace brisko {
namespace {

class FileSystemConformance : public ::testing::Test {
protected:
    std::unique_ptr<testing::FilesUnderTest> fs = testing::MakeFilesUnderTest();
    FileSystem& files = *fs->files;
    std::vector<std::string> Names() {
        std::vector<std::string> names;
        for (const auto& e : files.ListFolder(fs->folder)) names.push_back(e.name + (e.isFolder ? "\\" : ""));
        std::sort(names.begin(), names.end());
        return names;
    }
};

TEST_F(FileSystemConformance, ReplacingWritesWholeAndLeavesNothingBeside) {
    const std::string path = fs->Path("Brisko.ini");
    ASSERT_TRUE(files.WriteReplacing(path, "first"));
    ASSERT_TRUE(files.WriteReplacing(path, std::string("second\0bytes", 12)));
    EXPECT_EQ(files.ReadFile(fs->Path("BRISKO.INI")), std::string("second\0bytes", 12)) << "names ignore case";
    EXPECT_EQ(Names(), std::vector<std::string>{"Brisko.ini"}) << "no temporary file is left";
}

TEST_F(FileSystemConformance, ReplacingKeepsHiddenAndSystemAttributes) {
    const std::string path = fs->Path("boot.ini");
    fs->PutFile(path, "[boot loader]\r\n", fileattr::kHidden | fileattr::kSystem);
    ASSERT_TRUE(files.WriteReplacing(path, "[boot loader]\r\ntimeout=3\r\n"));
    EXPECT_EQ(*files.GetAttributes(path) & (fileattr::kHidden | fileattr::kSystem), fileattr::kHidden | fileattr::kSystem);
}

TEST_F(FileSystemConformance, ARefusedReplacementKeepsTheOldFile) {
    const std::string path = fs->Path("locked.ini");
    fs->PutFile(path, "old", fileattr::kReadOnly);
    EXPECT_FALSE(files.WriteReplacing(path, "new"));
    EXPECT_EQ(files.ReadFile(path), "old");
    EXPECT_EQ(Names(), std::vector<std::string>{"locked.ini"});
    EXPECT_FALSE(files.WriteReplacing(fs->Path("missing folder\\x.ini"), "x"));
}

TEST_F(FileSystemConformance, MissingFilesAndFolderListings) {
    EXPECT_FALSE(files.ReadFile(fs->Path("none")));
    EXPECT_FALSE(files.GetAttributes(fs->Path("none")));
    EXPECT_FALSE(files.SetAttributes(fs->Path("none"), fileattr::kHidden));
    fs->MakeFolder(fs->Path("sub"));
    fs->PutFile(fs->Path("a.txt"), "", fileattr::kArchive);
    EXPECT_EQ(Names(), (std::vector<std::string>{"a.txt", "sub\\"}));
    EXPECT_TRUE(*files.GetAttributes(fs->Path("sub")) & fileattr::kDirectory);
    EXPECT_TRUE(files.ReadFile(fs->Path("a.txt")).has_value()) << "an empty file exists";
}

TEST_F(FileSystemConformance, FoldersAreMadeOneLevelAndFilesRemoved) {
    EXPECT_TRUE(files.CreateFolder(fs->Path("backups")));
    EXPECT_TRUE(files.CreateFolder(fs->Path("backups"))) << "an existing folder is fine";
    EXPECT_FALSE(files.CreateFolder(fs->Path("a\\b"))) << "only one level";
    ASSERT_TRUE(files.WriteReplacing(fs->Path("backups\\x.ini"), "x"));
    EXPECT_TRUE(files.RemoveFile(fs->Path("backups\\x.ini")));
    EXPECT_FALSE(files.RemoveFile(fs->Path("backups\\x.ini")));
    EXPECT_FALSE(files.RemoveFile(fs->Path("backups"))) << "not a folder";
    EXPECT_EQ(Names(), std::vector<std::string>{"backups\\"});
}

}  // namespace
}  // namespace brisko
