#pragma once
// A simulated Japanese Windows machine for the fuzz targets, started as the
// program starts: in-memory backends, every question answered No, nothing
// run.
#include "engine/program_context.h"
#include "platform/embedded_text_resources.h"
#include "platform/memory_file_system.h"
#include "platform/memory_registry_store.h"
#include "support/fake_service_manager.h"
#include "support/simulated_machine.h"

namespace brisko::fuzz {

class AnswerNo final : public Prompts {
public:
    bool Confirm(const std::string&) override { return false; }
    void Inform(const std::string&) override {}
    void Warn(const std::string&) override {}
    void Error(const std::string&) override {}
};

class RunNothing final : public ProcessLauncher {
public:
    void ShellOpen(const std::string&, const std::string&, const std::string&, ShowMode) override {}
    void RunHidden(const std::string&) override {}
    void RunInNewConsole(const std::string&) override {}
    StartResult RunInNewConsoleAndWait(const std::string&, const std::function<void()>&) override { return {}; }
    int RunAndWait(const std::string&, const std::function<void()>&, int) override { return 0; }
    void RestartWindows() override {}
    void RestartExplorer() override {}
    std::string ProgramPath(const std::string&) override { return ""; }
};

struct FuzzBackends {
    MemoryRegistryStore registry;
    MemoryFileSystem files;
    RunNothing processes;
    AnswerNo prompts;
    EmbeddedTextResources resources;
    MemorySystemInfo system;
    testing::FakeServiceManager services{registry};
    SteppingClock clock;
};

struct FuzzMachine : FuzzBackends {
    explicit FuzzMachine(testing::SimulatedWindows edition);
    ProgramContext ctx{Platform{registry, files, processes, prompts, resources, system, services, clock}};
};

}  // namespace brisko::fuzz
