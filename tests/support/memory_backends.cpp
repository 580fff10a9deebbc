// Host backends: the in-memory registry and file system.
#include "platform/memory_file_system.h"
#include "platform/memory_registry_store.h"
#include "support/backends.h"

namespace brisko::testing {

namespace {
struct MemoryRegistry : RegistryUnderTest {
    MemoryRegistryStore memory;
    MemoryRegistry() {
        store = &memory;
        base = "Software\\BriskoTest";
    }
};

struct MemoryFiles : FilesUnderTest {
    MemoryFileSystem memory;
    MemoryFiles() {
        files = &memory;
        folder = "C:\\BriskoTest";
        memory.AddFolder(folder);
    }
    void MakeFolder(const std::string& path) override { memory.AddFolder(path); }
    void PutFile(const std::string& path, const std::string& bytes, uint32_t attributes) override {
        memory.AddFile(path, bytes, attributes);
    }
};
}  // namespace

std::unique_ptr<RegistryUnderTest> MakeRegistryUnderTest() { return std::make_unique<MemoryRegistry>(); }
std::unique_ptr<FilesUnderTest> MakeFilesUnderTest() { return std::make_unique<MemoryFiles>(); }
bool RunningUnderWine() { return false; }

}  // namespace brisko::testing
