// Any file offered for a restore on simulated XP and 98 machines: recognising
// and restoring it never crashes or hangs, a refused write ends it with the
// program's one error, and what Windows needs to start is still there
// afterwards: SubSystems\Windows and every entry of the boot file.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "backup/restore_command.h"
#include "fuzz/fuzz_machine.h"
#include "platform/error.h"
#include "platform/profile/profile_document.h"
#include "platform/registry_values.h"

namespace {
using namespace brisko;

void Require(bool holds) {
    if (!holds) std::abort();
}

// Every non-empty entry of the boot file's sections is still there with a value.
void RequireBootEntriesKept(const std::string& before, const std::string& after) {
    const auto was = profile::ProfileDocument::Parse(before), is = profile::ProfileDocument::Parse(after);
    for (const char* section : {"boot loader", "operating systems", "Options", "Paths"})
        for (const auto& key : was.Keys(section))
            if (!was.Read(section, key)->empty()) Require(is.Read(section, key) && !is.Read(section, key)->empty());
}

void RestoreOn(testing::SimulatedWindows edition, const std::string& bytes) {
    fuzz::FuzzMachine m(edition);
    const std::string boot = m.ctx.paths.bootFilePath;
    const std::string bootBefore = m.files.ReadFile(boot).value_or("");
    const std::string subsystems = "\\SYSTEM\\CurrentControlSet\\Control\\Session Manager\\SubSystems";
    const bool hadSubsystem =
        RegReadValue(m.registry, RegRoot::LocalMachine, subsystems, "Windows", "String") != kNullText;
    m.files.AddFile("C:\\fuzz.ini", bytes);
    try {
        RunRestoreCommand(m.ctx, "C:\\fuzz.ini");
    } catch (const BriskoError&) {
        // a refused write ends the restore; the checks below still hold
    }
    if (hadSubsystem)
        Require(RegReadValue(m.registry, RegRoot::LocalMachine, subsystems, "Windows", "String") != kNullText);
    RequireBootEntriesKept(bootBefore, m.files.ReadFile(boot).value_or(""));
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    RestoreOn(testing::SimulatedWindows::Xp, bytes);
    RestoreOn(testing::SimulatedWindows::Win98, bytes);
    return 0;
}
