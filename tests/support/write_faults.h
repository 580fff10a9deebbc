#pragma once
// Fault injection for tests: wrappers around a registry store and a file
// system that count every write passing through (each step of a whole-file
// write counts) and refuse the one chosen by number, as a full disk or a
// missing right would. A refused write changes nothing. The file system can
// also stop serving one file. Or the program is stopped after a number of
// writes, as a crash or a power cut would stop it: every later write throws
// Stopped, so nothing after that point reaches the machine.
#include <string>

#include "platform/file_system.h"
#include "platform/registry_store.h"

namespace brisko::testing {

// Thrown by every write once the program is stopped; the program does not know it.
struct Stopped {
    std::string at;  // the first write it stopped
};

class WriteFaults {
public:
    // Stops the program once n more writes have passed (0: before the next).
    void StopAfter(int n) { stopAt_ = count_ + n, stopping_ = true; }
    // A new program on the same machine: writes pass again.
    void Resume() { stopping_ = false; }
    // Refuses the nth write from now on (1 for the next one); 0 refuses none.
    void FailWrite(int n) {
        failAt_ = n > 0 ? count_ + n : 0;
        refused_.clear();
    }
    // Counts one write; false when it is the one to refuse.
    bool Allow(const std::string& what);
    int Count() const { return count_; }
    // What the refused write was ("SetValue HKLM\\...\\name"), empty when none yet.
    const std::string& Refused() const { return refused_; }
    // Serves the file a number of reads more only, as a file that becomes
    // unreadable (removed medium, lost share, locked) would.
    void FailReadsOf(const std::string& path, int reads) { unreadable_ = path, readsLeft_ = reads; }
    bool AllowRead(const std::string& path) { return path != unreadable_ || readsLeft_-- > 0; }

private:
    int count_ = 0;
    int failAt_ = 0;
    int stopAt_ = 0;
    bool stopping_ = false;
    std::string refused_, unreadable_;
    int readsLeft_ = 0;
};

class FaultyRegistryStore final : public RegistryStore {
public:
    FaultyRegistryStore(RegistryStore& inner, WriteFaults& faults) : inner_(inner), faults_(faults) {}

    bool CanOpenKey(RegRoot root, const std::string& path, RegAccess access) override {
        return inner_.CanOpenKey(root, path, access);
    }
    bool CreateKey(RegRoot root, const std::string& path) override;
    std::optional<RegValueData> QueryValue(RegRoot root, const std::string& path, const std::string& name,
                                           RegAccess access) override {
        return inner_.QueryValue(root, path, name, access);
    }
    bool SetValue(RegRoot root, const std::string& path, const std::string& name, const RegValueData& value) override;
    bool DeleteValue(RegRoot root, const std::string& path, const std::string& name) override;
    std::vector<std::string> SubKeyNames(RegRoot root, const std::string& path) override {
        return inner_.SubKeyNames(root, path);
    }
    std::vector<std::string> ValueNames(RegRoot root, const std::string& path) override {
        return inner_.ValueNames(root, path);
    }
    bool DeleteKey(RegRoot root, const std::string& path) override;

private:
    RegistryStore& inner_;
    WriteFaults& faults_;
};

class FaultyFileSystem final : public FileSystem {
public:
    FaultyFileSystem(FileSystem& inner, WriteFaults& faults) : inner_(inner), faults_(faults) {}

    std::optional<std::string> ReadWhole(const std::string& path, uint64_t largest) override {
        return faults_.AllowRead(path) ? inner_.ReadFile(path, largest) : std::nullopt;
    }
    // Through its steps, each of which counts.
    bool WriteReplacing(const std::string& path, const std::string& bytes) override;
    bool WriteDirect(const std::string& path, const std::string& bytes) override;
    bool MoveReplacing(const std::string& from, const std::string& to) override;
    bool AppendToFile(const std::string& path, const std::string& bytes) override;
    std::optional<uint32_t> GetAttributes(const std::string& path) override { return inner_.GetAttributes(path); }
    std::optional<uint64_t> FileSize(const std::string& path) override { return inner_.FileSize(path); }
    bool SetAttributes(const std::string& path, uint32_t attributes) override;
    std::vector<FolderEntry> ListFolder(const std::string& path) override { return inner_.ListFolder(path); }
    bool CreateFolder(const std::string& path) override;
    bool RemoveFile(const std::string& path) override;

private:
    FileSystem& inner_;
    WriteFaults& faults_;
};

}  // namespace brisko::testing
