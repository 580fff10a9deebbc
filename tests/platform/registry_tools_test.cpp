#include <gtest/gtest.h>

#include "platform/error.h"
#include "platform/registry_tools.h"
#include "support/memory_context.h"

namespace brisko {
namespace {

TEST(RegistryTools, XpUsesRegAndOtherEditionsRegeditAndBothAreWaitedFor) {
    testing::RecordingLauncher launcher;
    launcher.exitCode = 3;
    const OsEdition xp{"NT", "XP"}, me{"9x", "Me"};
    EXPECT_EQ(RegExportKey(launcher, xp, "HKCU", "\\Software\\Microsoft\\Outlook Express", "C:\\b\\mail rules.reg", {}), 3);
    RegImportKey(launcher, xp, "HKCU", "\\Software\\Microsoft\\Outlook Express", "C:\\b\\mail rules.reg", {});
    RegExportKey(launcher, me, "HKEY_CURRENT_USER", "\\Identities", "C:\\b\\r.reg", {});
    RegImportKey(launcher, me, "HKEY_CURRENT_USER", "\\Identities", "C:\\b\\r.reg", {});
    EXPECT_EQ(launcher.calls,
              (std::vector<std::string>{
                  "wait|reg save \"HKCU\\Software\\Microsoft\\Outlook Express\" \"C:\\b\\mail rules.reg\"|60000",
                  "wait|reg restore \"HKCU\\Software\\Microsoft\\Outlook Express\" \"C:\\b\\mail rules.reg\"|60000",
                  "wait|Regedit.exe /E \"C:\\b\\r.reg\" \"HKEY_CURRENT_USER\\Identities\"|60000",
                  "wait|Regedit.exe /s \"C:\\b\\r.reg\"|60000",
              }));
}

struct FixedResources : TextResources {
    std::optional<std::string> Find(const std::string& name) const override {
        if (name == "Lines") return std::string("one\r\ntwo\nthree\r\rfive");
        return std::nullopt;
    }
};

TEST(TextResourcesTest, SplitsLinesAndRefusesMissingResources) {
    FixedResources r;
    EXPECT_EQ(LoadTextResource(r, "Lines"), (std::vector<std::string>{"one", "two", "three", "", "five"}));
    EXPECT_THROW(LoadTextResource(r, "Nothing"), BriskoError);
    EXPECT_EQ(LoadTextResource(EmbeddedTextResources(), "PowerText").size(), 10u);
}

}  // namespace
}  // namespace brisko
