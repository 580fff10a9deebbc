// Prepares a Wine prefix as a freshly installed Japanese Windows XP for the
// run command: the registry values and files the items read, as the
// simulated machines of the tests have them.
#include <cstdio>

#include "platform/system_info.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_registry_store.h"
#include "support/simulated_machine.h"

int main() {
    brisko::win32::Win32RegistryStore registry;
    brisko::win32::Win32FileSystem files;
    brisko::MemorySystemInfo unused;
    brisko::testing::FillSimulatedMachine(brisko::testing::SimulatedWindows::Xp, registry, unused, files, "C:");
    std::puts("prefix seeded as Japanese Windows XP");
    return 0;
}
