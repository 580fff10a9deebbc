// The start-up sequence on simulated machines: the cases of
// tests/data/startup_cases.tsv. Which items each
// edition enables is checked by the item round trip (tests/data/items.tsv).
#include <gtest/gtest.h>

#include <memory>

#include "platform/registry_values.h"
#include "platform/text/cp932.h"
#include "prefs/preferences.h"
#include "startup/startup_sequence.h"
#include "support/item_probes.h"
#include "support/simulated_context.h"
#include "support/test_data.h"

namespace brisko {
namespace {

using testing::SimulatedWindows;

// A path the start found, by the table's name for it.
std::string PathNamed(const ProgramPaths& paths, const std::string& which) {
    if (which == "boot") return paths.bootFilePath;
    if (which == "sysoc") return paths.sysocFilePath;
    if (which == "preferences") return paths.preferencesFile;
    if (which == "drives") return paths.fixedDriveLetters;
    return "no path " + which;
}

TEST(StartupSequence, EveryCaseOfTheTableEndsAsItSays) {
    std::unique_ptr<testing::MemoryBackends> m;
    std::unique_ptr<ProgramContext> ctx;  // the last start's
    std::string name;
    int checks = 0;
    for (auto r : testing::TestDataRows("startup_cases.tsv")) {
        for (auto& cell : r) cell = testing::Unescaped(cell);
        const std::string &step = r.at(0), why = name + ": " + r.back();
        if (step == "case") {
            name = r.at(1);
            ctx.reset();
            m = std::make_unique<testing::MemoryBackends>();
            testing::FillSimulated(SimulatedWindows::Xp, *m);
        } else if (step == "file") {
            m->files.AddFile(r.at(1), text::Utf8ToCp932(r.at(2)));
        } else if (step == "move") {
            if (r.at(2) != "-") m->files.AddFile(r[2], *m->files.ReadFile(r[1]));
            m->files.Remove(r[1]);
        } else if (step == "move-key") {
            if (r.at(2) == "-") RegDeleteKeyTree(m->registry, RegRoot::LocalMachine, r[1]);
            else RegMoveKey(m->registry, RegRoot::LocalMachine, r[1], r[2]);
        } else if (step == "start") {
            ctx = std::make_unique<ProgramContext>(Platform{m->registry, m->files, m->processes, m->prompts,
                                                            m->resources, m->system, m->services, m->clock});
            RunStartupSequence(*ctx);
        } else if (step == "set") {
            Preferences prefs(m->files, ctx->paths.preferencesFile);
            if (r.at(3) == "-") prefs.Delete(r[1], r[2]);
            else prefs.Write(r[1], r[2], r[3]);
        } else {
            ASSERT_TRUE(ctx) << name << ": a check before the start";
            ++checks;
            if (step == "pref")
                EXPECT_EQ(IniReadValue(m->files, ctx->paths.preferencesFile, r.at(1), r.at(2)), r.at(3)) << why;
            else if (step == "path")
                EXPECT_EQ(PathNamed(ctx->paths, r.at(1)), r.at(2)) << why;
            else if (step == "enabled")
                EXPECT_EQ(ctx->items.List(testing::CategoryNamed(r.at(1))).at(std::stoi(r.at(2)) - 1).enabled,
                          r.at(3) == "yes") << why;
            else
                ADD_FAILURE() << name << ": no step " << step;
        }
    }
    EXPECT_GT(checks, 30);
}

}  // namespace
}  // namespace brisko
