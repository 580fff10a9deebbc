#pragma once
// A program context on the real Win32 backends of the test prefix, with the
// program placed in a scratch folder (so its preferences file and backups do
// not outlive the test) and with commands and prompts recorded, not run.
#include <memory>
#include <string>

#include "engine/program_context.h"
#include "platform/embedded_text_resources.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_registry_store.h"
#include "platform/win32/win32_service_manager.h"
#include "platform/win32/win32_system_info.h"
#include "support/backends.h"
#include "support/memory_context.h"

namespace brisko::testing {

// The real system, but the program lives in the scratch folder.
class ScratchProgramSystem final : public SystemInfo {
public:
    explicit ScratchProgramSystem(std::string folder) : folder_(std::move(folder)) {}
    OsVersion Version() override { return real_.Version(); }
    WindowsBuild ActualVersion() override { return real_.ActualVersion(); }
    std::string ComputerName() override { return real_.ComputerName(); }
    std::string WindowsDirectory() override { return real_.WindowsDirectory(); }
    uint32_t LogicalDriveMask() override { return real_.LogicalDriveMask(); }
    DriveType TypeOfDrive(const std::string& root) override { return real_.TypeOfDrive(root); }
    std::string CurrentDirectory() override { return folder_; }
    std::string ExecutablePath() override { return folder_ + "\\Brisko.exe"; }
    std::string FileSystemName(const std::string& root) override { return real_.FileSystemName(root); }
    uint64_t FreeBytesAvailable(const std::string& root) override { return real_.FreeBytesAvailable(root); }

private:
    win32::Win32SystemInfo real_;
    std::string folder_;
};

struct RealBackends {
    win32::Win32RegistryStore registry;
    win32::Win32FileSystem files;
    win32::Win32ServiceManager services;
    RecordingLauncher processes;
    ScriptedPrompts prompts;
    EmbeddedTextResources resources;
    SteppingClock clock;
    std::unique_ptr<FilesUnderTest> scratch = MakeFilesUnderTest();
    ScratchProgramSystem system{scratch->folder};
};

struct RealContext : RealBackends {
    ProgramContext ctx{Platform{registry, files, processes, prompts, resources, system, services, clock}};
};

}  // namespace brisko::testing
