#pragma once
// The backends a test runs against: in memory on the host, the real Win32
// ones in the Windows test program. Each gives a private place to work in
// that is cleaned up afterwards.
#include <memory>
#include <string>

#include "platform/file_system.h"
#include "platform/registry_store.h"

namespace brisko::testing {

struct RegistryUnderTest {
    virtual ~RegistryUnderTest() = default;
    RegistryStore* store = nullptr;
    RegRoot root = RegRoot::CurrentUser;
    std::string base;  // a key no other test uses, without leading backslash
    // A path below the base, with the leading backslash the value operations take.
    std::string Path(const std::string& sub) const { return "\\" + base + (sub.empty() ? "" : "\\" + sub); }
    std::string StorePath(const std::string& sub) const { return Path(sub).substr(1); }
};

struct FilesUnderTest {
    virtual ~FilesUnderTest() = default;
    FileSystem* files = nullptr;
    std::string folder;  // an existing empty folder, without trailing backslash
    std::string Path(const std::string& name) const { return folder + "\\" + name; }
    // Test set-up that bypasses the interface.
    virtual void MakeFolder(const std::string& path) = 0;
    virtual void PutFile(const std::string& path, const std::string& bytes, uint32_t attributes) = 0;
};

std::unique_ptr<RegistryUnderTest> MakeRegistryUnderTest();
std::unique_ptr<FilesUnderTest> MakeFilesUnderTest();

// True in the Windows test program when it runs under Wine, whose behaviour
// differs from Windows in a few documented places.
bool RunningUnderWine();

}  // namespace brisko::testing
