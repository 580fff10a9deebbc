// The NTFS conversion's flow on XP. What the other buttons start on the
// editions the end-to-end run (as XP and 98) does not show, and the
// conversion's arithmetic, are rows of tests/data/function_cases.tsv.
#include <gtest/gtest.h>

#include "support/memory_context.h"
#include "ui/utility_commands.h"

namespace brisko {
namespace {

using B = UtilityButton;
using Calls = std::vector<std::string>;

const OsEdition kXP{"NT", "XP"};

// A FAT drive X: with the given number of files in its root.
struct FatDrive : testing::MemoryContext {
    FatDrive(int entries, uint64_t freeBytes) {
        ctx.os = kXP;
        system.fileSystems['X'] = "FAT32";
        system.freeBytes['X'] = freeBytes;
        files.AddFolder("X:");
        for (int i = 0; i < entries; ++i) files.AddFile("X:\\f" + std::to_string(i), "");
        prompts.AnswerNext(true);
    }
    void Convert(const std::function<bool()>& keepAlive = {}) {
        UtilityButtonClick(ctx, B::Convert, {false, "", "X ドライブ"}, keepAlive);
    }
};

const char* const kPlainX = "console|cmd /k %SystemRoot%\\system32\\convert X: /fs:ntfs /v";

// The worked example makes the placeholder and converts into it; NTFS, too
// little room or an unreadable volume (counted as not NTFS) change that.
TEST(ConvertOnXP, MakesAPlaceholderWhereAFatDriveHasRoom) {
    const std::string cvtarea = kPlainX + std::string(" /cvtarea:X:\\TmpMFT");
    const struct {
        int entries;
        uint64_t freeBytes;
        const char* fileSystem;  // none: unreadable
        Calls calls;
    } cases[] = {
        {100000, 2147483648u, "FAT32", {"console-wait|fsutil file createnew X:\\TmpMFT 102400000", cvtarea}},
        {1000, 3000000, "FAT32", {kPlainX}},
        {1000, 2147483648u, "NTFS", {kPlainX}},
        {10, 2147483648u, nullptr, {"console-wait|fsutil file createnew X:\\TmpMFT 10240", cvtarea}},
    };
    for (const auto& c : cases) {
        FatDrive d(c.entries, c.freeBytes);
        d.system.fileSystems.erase('X');
        if (c.fileSystem) d.system.fileSystems['X'] = c.fileSystem;
        d.Convert();
        EXPECT_EQ(d.processes.calls, c.calls) << c.entries << " entries, " << c.freeBytes << " bytes free";
    }
}

TEST(ConvertOnXP, KeepsTheWindowAliveWhileCountingAndStopsWhenItCloses) {
    FatDrive d(1000, 2147483648u);
    int calls = 0;
    d.Convert([&] { return ++calls < 5; });
    EXPECT_EQ(calls, 5);
    EXPECT_TRUE(d.processes.calls.empty()) << "a program closing during the count starts nothing";
}

}  // namespace
}  // namespace brisko
