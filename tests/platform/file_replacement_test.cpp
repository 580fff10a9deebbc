// What a whole-file write leaves when the system's replacing call fails part
// way, in each of the states ReplaceFileW documents for its failures.
#include <gtest/gtest.h>

#include "platform/file_replacement.h"
#include "platform/memory_file_system.h"

namespace brisko {
namespace {

enum class Left {
    NamesKept,      // ERROR_UNABLE_TO_REMOVE_REPLACED, 1176 with a backup name, any other error
    TargetGone,     // 1176 as documented without a backup name: only the new file is left
    OldUnderBackup  // 1177: the old file under the backup name, the new one still the temporary file
};

// The in-memory files, with the system's replacing call failing as told.
class FailingReplace final : public FileSystem {
public:
    FailingReplace(MemoryFileSystem& files, Left left, bool tempStuck) : f_(files), left_(left), stuck_(tempStuck) {}
    bool ReplaceKeeping(const std::string& target, const std::string&, const std::string& backup) override {
        if (left_ == Left::TargetGone) f_.Remove(target);
        if (left_ == Left::OldUnderBackup) f_.MoveReplacing(target, backup);
        return false;
    }
    bool MoveReplacing(const std::string& from, const std::string& to) override {
        return !(stuck_ && from.ends_with(".new")) && f_.MoveReplacing(from, to);
    }
    bool WriteReplacing(const std::string& path, const std::string& bytes) override { return f_.WriteReplacing(path, bytes); }
    std::optional<uint32_t> GetAttributes(const std::string& path) override { return f_.GetAttributes(path); }
    bool SetAttributes(const std::string& path, uint32_t attributes) override { return f_.SetAttributes(path, attributes); }
    std::vector<FolderEntry> ListFolder(const std::string& path) override { return f_.ListFolder(path); }
    bool CreateFolder(const std::string& path) override { return f_.CreateFolder(path); }
    bool RemoveFile(const std::string& path) override { return f_.RemoveFile(path); }

protected:
    std::optional<std::string> ReadWhole(const std::string& path, uint64_t largest) override {
        return f_.ReadFile(path, largest);
    }

private:
    MemoryFileSystem& f_;
    Left left_;
    bool stuck_;  // the new file is held open by another program, so it cannot be moved
};

TEST(FileReplacement, AFailedReplaceLeavesTheOldOrTheNewBytesAtTheTarget) {
    const struct {
        Left left;
        bool tempStuck;
        std::optional<std::string> target;  // what the target holds afterwards
        bool replaced;
    } cases[] = {
        {Left::NamesKept, false, "old", false},     {Left::NamesKept, true, "old", false},
        {Left::TargetGone, false, "new", true},     {Left::OldUnderBackup, false, "new", true},
        {Left::OldUnderBackup, true, "old", false}, {Left::TargetGone, true, std::nullopt, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.left) * 2 + c.tempStuck);
        MemoryFileSystem files;
        files.AddFile("C:\\boot.ini", "old");
        files.AddFile("C:\\boot.ini.new", "new");
        FailingReplace steps(files, c.left, c.tempStuck);
        EXPECT_EQ(PutInPlace(steps, "C:\\boot.ini", "C:\\boot.ini.new"), c.replaced);
        EXPECT_EQ(files.ReadFile("C:\\boot.ini"), c.target);
        // Where neither copy could be put back, the new one is not thrown away.
        if (!c.target) EXPECT_EQ(files.ReadFile("C:\\boot.ini.new"), "new");
        else EXPECT_EQ(files.ListFolder("C:").size(), 1u) << "nothing beside the target once it is whole";
    }
}

}  // namespace
}  // namespace brisko
