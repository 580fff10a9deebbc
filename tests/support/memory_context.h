#pragma once
// A program context over in-memory backends, for the core's tests.
#include <string>
#include <vector>

#include "engine/program_context.h"
#include "platform/embedded_text_resources.h"
#include "platform/memory_file_system.h"
#include "platform/memory_registry_store.h"
#include "support/scripted_prompts.h"

namespace brisko::testing {

class RecordingLauncher final : public ProcessLauncher {
public:
    void ShellOpen(const std::string& verb, const std::string& file, const std::string& parameters,
                   ShowMode show) override {
        calls.push_back(verb + "|" + file + "|" + parameters + (show == ShowMode::Hidden ? "|hidden" : "|normal"));
    }
    std::vector<std::string> calls;
};

struct MemoryBackends {
    MemoryRegistryStore registry;
    MemoryFileSystem files;
    RecordingLauncher processes;
    ScriptedPrompts prompts;
    EmbeddedTextResources resources;
};

// Backends first, so they outlive the context that refers to them.
struct MemoryContext : MemoryBackends {
    ProgramContext ctx{Platform{registry, files, processes, prompts, resources}};
};

}  // namespace brisko::testing
