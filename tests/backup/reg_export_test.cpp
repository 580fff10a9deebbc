// .reg files: the text for each kind of write, and round trips through a
// fresh simulated machine that imports the file as regedit would.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>

#include "backup/reg_export.h"
#include "engine/rehearsal.h"
#include "platform/error.h"
#include "platform/registry_values.h"
#include "startup/startup_sequence.h"
#include "support/item_probes.h"
#include "support/reg_file_reader.h"
#include "support/simulated_context.h"

namespace brisko {
namespace {

using namespace testing;
using Kind = RecordedWrite::Kind;

RecordedWrite W(Kind kind, RegRoot root, std::string path, std::string name = "", uint32_t type = 0,
                std::string bytes = "") {
    return {kind, root, std::move(path), std::move(name), {type, std::move(bytes)}, {}};
}

TEST(RegExport, EveryKindOfWrite) {
    const auto HKCU = RegRoot::CurrentUser, HKLM = RegRoot::LocalMachine;
    const std::vector<RecordedWrite> writes = {
        W(Kind::CreateKey, HKCU, "Control Panel\\Desktop"),
        W(Kind::SetValue, HKCU, "Control Panel\\Desktop", "Wall\"pa\\per", regtype::kSz, EncodeRegString("C:\\壁紙.bmp")),
        W(Kind::SetValue, HKCU, "Control Panel\\Desktop", "", regtype::kSz, EncodeRegString("既定")),
        W(Kind::SetValue, HKCU, "Control Panel\\Desktop", "Delay", regtype::kDword, std::string("\x2c\x01\0\0", 4)),
        W(Kind::DeleteValue, HKCU, "Control Panel\\Desktop", "Gone"),
        W(Kind::WriteFile, HKCU, "C:\\boot.ini"),
        W(Kind::SetValue, HKLM, "Software\\B", "Bin", regtype::kBinary, std::string("\x00\xff", 2)),
        W(Kind::SetValue, HKLM, "Software\\B", "Path", regtype::kExpandSz, EncodeRegString("%W%")),
        W(Kind::SetValue, HKLM, "Software\\B", "Lines", regtype::kSz, EncodeRegString("a\r\nb")),
        W(Kind::SetValue, HKLM, "Software\\B", "Long", regtype::kBinary, std::string(30, '\x11')),
        W(Kind::DeleteKey, HKLM, "Software\\B\\Old"),
        W(Kind::SetValue, HKLM, "Software\\B", "Again", regtype::kDword, std::string(4, '\xff')),
    };
    EXPECT_EQ(RegFileText(writes, {"一行目\r\n二行目"}),
              "Windows Registry Editor Version 5.00\n\n"
              "; 一行目\n; 二行目\n"
              "\n[HKEY_CURRENT_USER\\Control Panel\\Desktop]\n"
              "\"Wall\\\"pa\\\\per\"=\"C:\\\\壁紙.bmp\"\n"
              "@=\"既定\"\n"
              "\"Delay\"=dword:0000012c\n"
              "\"Gone\"=-\n"
              "\n[HKEY_LOCAL_MACHINE\\Software\\B]\n"
              "\"Bin\"=hex:00,ff\n"
              "\"Path\"=hex(2):25,00,57,00,25,00,00,00\n"
              "\"Lines\"=hex(1):61,00,0d,00,0a,00,62,00,00,00\n"
              "\"Long\"=hex:11,11,11,11,11,11,11,11,11,11,11,11,11,11,11,11,11,11,11,11,11,11,\\\n"
              "  11,11,11,11,11,11,11,11\n"
              "\n[-HKEY_LOCAL_MACHINE\\Software\\B\\Old]\n"
              "\n[HKEY_LOCAL_MACHINE\\Software\\B]\n"
              "\"Again\"=dword:ffffffff\n");
}

const std::string kRegPath = "C:\\plan.reg";

// Imports the .reg text, written as a file, into the machine.
void ImportInto(SimulatedContext& from, const std::string& text, SimulatedContext& to) {
    WriteRegFile(from.files, kRegPath, text);
    ImportRegFile(to.registry, *from.files.ReadFile(kRegPath));
}

// Every key (as "root\\path") and every value under it.
using RegistryDump = std::map<std::string, std::optional<RegValueData>>;
void Dump(RegistryStore& store, RegRoot root, const std::string& path, RegistryDump& out) {
    out[FullKeyName(root, path)] = std::nullopt;
    for (const auto& name : store.ValueNames(root, path))
        out[FullKeyName(root, path) + "|" + name] = store.QueryValue(root, path, name, RegAccess::Query);
    for (const auto& sub : store.SubKeyNames(root, path)) Dump(store, root, JoinKeyPath(path, sub), out);
}
RegistryDump Dump(RegistryStore& store) {
    RegistryDump out;
    for (RegRoot root : {RegRoot::ClassesRoot, RegRoot::CurrentUser, RegRoot::LocalMachine}) Dump(store, root, "", out);
    return out;
}

class RegExportRoundTrip : public ::testing::TestWithParam<SimulatedWindows> {};

TEST_P(RegExportRoundTrip, TheTicksAsTheyStandChangeNothingOnAnIdenticalMachine) {
    SimulatedContext a(GetParam()), b(GetParam());
    RunStartupSequence(a.ctx);
    const std::string text = ExportTicksAsReg(a.ctx);
    const RegistryDump before = Dump(b.registry);
    ImportInto(a, text, b);
    std::string changed;
    for (const auto& [name, value] : Dump(b.registry))
        if (!before.count(name) || before.at(name) != value) changed += name + "\n";
    EXPECT_EQ(changed, "") << text;
    EXPECT_EQ(Dump(b.registry).size(), before.size());
}

TEST_P(RegExportRoundTrip, OnlyTickedItemsAreSetUntickedOnesKeepTheirState) {
    SimulatedContext a(GetParam()), b(GetParam());
    RunStartupSequence(a.ctx);
    const auto detected = a.ctx.items.lists;
    size_t n = 0;
    for (auto& list : a.ctx.items.lists)
        for (auto& e : list) e.ticked = ++n % 2 == 0;
    const std::string text = ExportTicksAsReg(a.ctx);
    for (const char* service : {"\\Services\\RpcSs]", "\\Services\\Alerter]"})  // running and stopped
        EXPECT_EQ(text.find(service), std::string::npos) << "no service while the services page is unavailable";
    ImportInto(a, text, b);
    RunStartupSequence(b.ctx);
    size_t set = 0;
    for (const auto& item : RehearseApply(a.ctx, RehearsalScope::TickedItems)) {
        const bool registryOnly = std::none_of(item.writes.begin(), item.writes.end(), [](const RecordedWrite& w) {
            return w.kind == Kind::WriteFile || w.kind == Kind::RemoveFile;
        }) && std::none_of(item.otherActions.begin(), item.otherActions.end(), [](const std::string& x) {
            return x.starts_with("実行: ");
        });
        if (!registryOnly) continue;
        ++set;
        EXPECT_TRUE(b.ctx.items.List(item.category)[item.position].ticked) << item.label;
    }
    EXPECT_GT(set, 5u);
    for (TweakCategory c : kSettingCategories)
        for (size_t i = 0; i < detected[CategoryIndex(c)].size(); ++i)
            if (!a.ctx.items.List(c)[i].ticked && !detected[CategoryIndex(c)][i].ticked)
                EXPECT_FALSE(b.ctx.items.List(c)[i].ticked) << CategoryKey(c) << " " << i + 1;
}

INSTANTIATE_TEST_SUITE_P(Editions, RegExportRoundTrip, ::testing::Values(SimulatedWindows::Xp, SimulatedWindows::Win98),
                         [](const auto& info) { return EditionName(info.param); });

TEST(RegExport, NamesThatWouldBreakTheFileAreRefused) {
    const auto HKLM = RegRoot::LocalMachine;
    const std::vector<RecordedWrite> cases = {
        W(Kind::SetValue, HKLM, "SYSTEM\\S\\a]\n\"X\"=dword:1\n[x", "Start", regtype::kDword, std::string(4, '\0')),
        W(Kind::DeleteValue, HKLM, "Software\\B", "Line\rBreak"),
        W(Kind::SetValue, HKLM, "Software\\B", std::string("N\0UL", 4), regtype::kSz, EncodeRegString("x")),
        W(Kind::DeleteKey, HKLM, "Software\\B\\closing]"),
        W(Kind::CreateKey, HKLM, "Software\\\xEF\xBF\xBD"),
    };
    for (const auto& w : cases) EXPECT_THROW(RegFileText({w}, {}), BriskoError) << w.path << "|" << w.name;
}

TEST(RegExport, ARefusedFileThrows) {
    SimulatedContext sim(SimulatedWindows::Xp);
    sim.files.DenyWrites("C:\\Program Files\\Brisko");
    EXPECT_THROW(WriteRegFile(sim.files, "C:\\Program Files\\Brisko\\x.reg", "x"), BriskoError);
}

}  // namespace
}  // namespace brisko
