#pragma once
// Files held in memory, with Windows' rules for paths: case-insensitive,
// either slash, a file can only be created in an existing folder. A whole
// write takes the steps a Windows one takes (ReplaceFileWhole), the system's
// replacing call being the two moves.
#include <map>

#include "platform/file_system.h"

namespace brisko {

class MemoryFileSystem final : public FileSystem {
public:
    bool WriteReplacing(const std::string& path, const std::string& bytes) override;
    std::optional<uint32_t> GetAttributes(const std::string& path) override;
    bool SetAttributes(const std::string& path, uint32_t attributes) override;
    std::vector<FolderEntry> ListFolder(const std::string& path) override;
    bool CreateFolder(const std::string& path) override;
    bool RemoveFile(const std::string& path) override;
    bool AppendToFile(const std::string& path, const std::string& bytes) override;
    bool MoveReplacing(const std::string& from, const std::string& to) override;
    bool WriteDirect(const std::string& path, const std::string& bytes) override;

    // Test set-up: folders (with their parents), files, and folders whose
    // files may not be created or replaced.
    void AddFolder(const std::string& path);
    void AddFile(const std::string& path, const std::string& bytes, uint32_t attributes = fileattr::kArchive);
    void DenyWrites(const std::string& folder);
    // A file that is there but cannot be read (a lock, an access list).
    void DenyReads(const std::string& path, bool denied = true);
    void Remove(const std::string& path);

protected:
    std::optional<std::string> ReadWhole(const std::string& path, uint64_t largest) override;

private:
    struct Node {
        std::string displayPath;
        bool isFolder = false;
        std::string bytes;
        uint32_t attributes = 0;
        bool writeDenied = false;
        bool readDenied = false;
    };
    static std::string Normalise(const std::string& path);
    // Whether a file may be created or replaced at the path.
    bool MayWriteAt(const std::string& path);
    std::map<std::string, Node> nodes_;
};

}  // namespace brisko
