#pragma once
// A program context over in-memory backends, for the core's tests.
#include <set>
#include <string>
#include <vector>

#include "engine/program_context.h"
#include "platform/embedded_text_resources.h"
#include "platform/memory_file_system.h"
#include "platform/memory_registry_store.h"
#include "platform/system_info.h"
#include "support/fake_service_manager.h"
#include "support/scripted_prompts.h"

namespace brisko::testing {

// Records what would have been started; nothing runs.
class RecordingLauncher final : public ProcessLauncher {
public:
    void ShellOpen(const std::string& verb, const std::string& file, const std::string& parameters,
                   ShowMode show) override {
        const char* mode = show == ShowMode::Hidden ? "|hidden" : show == ShowMode::Unowned ? "|unowned" : "|normal";
        calls.push_back(verb + "|" + file + "|" + parameters + mode);
    }
    void RunHidden(const std::string& commandLine) override { calls.push_back("hidden|" + commandLine); }
    void RunInNewConsole(const std::string& commandLine) override { calls.push_back("console|" + commandLine); }
    StartResult RunInNewConsoleAndWait(const std::string& commandLine, const std::function<void()>&) override {
        calls.push_back("console-wait|" + commandLine);
        return consoleStart;
    }
    int RunAndWait(const std::string& commandLine, const std::function<void()>&, int timeLimitMs) override {
        calls.push_back("wait|" + commandLine + "|" + std::to_string(timeLimitMs));
        if (onWait) onWait(commandLine);
        return exitCode;
    }
    void RestartWindows() override { calls.push_back("restart-windows"); }
    void RestartExplorer() override { calls.push_back("restart-explorer"); }
    std::string ProgramPath(const std::string& name) override {
        return missing.contains(name) ? "" : "C:\\WINDOWS\\system32\\" + name;
    }

    std::vector<std::string> calls;
    std::set<std::string> missing;  // programs the machine has not got
    int exitCode = 0;
    StartResult consoleStart;  // what RunInNewConsoleAndWait reports
    // Stands in for what the waited-for command does (say, writing its file).
    std::function<void(const std::string&)> onWait;
};

struct MemoryBackends {
    MemoryRegistryStore registry;
    MemoryFileSystem files;
    RecordingLauncher processes;
    ScriptedPrompts prompts;
    EmbeddedTextResources resources;
    MemorySystemInfo system;
    FakeServiceManager services{registry};
    SteppingClock clock;
};

// Backends first, so they outlive the context that refers to them.
struct MemoryContext : MemoryBackends {
    ProgramContext ctx{Platform{registry, files, processes, prompts, resources, system, services, clock}};
};

}  // namespace brisko::testing
