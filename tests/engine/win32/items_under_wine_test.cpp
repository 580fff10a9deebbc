// The round trip of the item table on the test prefix's real registry and C:
// drive as Windows XP, through the same fixture as the simulated machines.
// Everything touched is put back afterwards. The Desktop items are left out:
// item 10 reads the Security Center's state from the service manager, which
// the prefix does not run.
#include <gtest/gtest.h>
#include <windows.h>

#include "platform/win32/wide.h"
#include "startup/startup_sequence.h"
#include "support/item_probes.h"
#include "support/registry_snapshot.h"
#include "support/win32/real_context.h"

namespace brisko {
namespace {

std::vector<testing::EditionRow> XpRows() {
    std::vector<testing::EditionRow> rows;
    for (const auto& row : testing::ItemEditions())
        if (row.edition == testing::SimulatedWindows::Xp && row.category != TweakCategory::Desktop) rows.push_back(row);
    return rows;
}

class ItemsUnderWine : public ::testing::TestWithParam<testing::EditionRow> {};

TEST_P(ItemsUnderWine, RoundTripOnTheRealRegistry) {
    testing::RealContext real;
    testing::RegistrySnapshot snapshot(real.registry);
    testing::RememberItemKeys(snapshot);
    MemorySystemInfo ignored;
    testing::FillSimulatedMachine(testing::SimulatedWindows::Xp, real.registry, ignored, real.files, "C:");
    const std::wstring sysoc = win32::Widen(real.system.WindowsDirectory() + "\\inf\\sysoc.inf");
    struct RemoveFiles {
        std::wstring sysoc;
        ~RemoveFiles() {
            SetFileAttributesW(L"C:\\boot.ini", FILE_ATTRIBUTE_NORMAL);
            DeleteFileW(L"C:\\boot.ini");
            DeleteFileW(sysoc.c_str());
        }
    } cleanup{sysoc};
    RunStartupSequence(real.ctx);
    ASSERT_EQ(real.ctx.os.edition, "XP");
    testing::RoundTrip(real.ctx, real.prompts, GetParam());
}

INSTANTIATE_TEST_SUITE_P(Items, ItemsUnderWine, ::testing::ValuesIn(XpRows()),
                         [](const auto& info) { return std::string(CategoryKey(info.param.category)); });

}  // namespace
}  // namespace brisko
