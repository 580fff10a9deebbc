#pragma once
// Files and folders as the program reaches them. Paths are Windows paths in
// UTF-8 ("C:\\WINDOWS\\system32\\drivers"); file contents are raw bytes.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace brisko {

// File attribute bits (FILE_ATTRIBUTE_*).
namespace fileattr {
constexpr uint32_t kReadOnly = 0x01, kHidden = 0x02, kSystem = 0x04, kDirectory = 0x10, kArchive = 0x20,
                   kNormal = 0x80;
}

struct FolderEntry {
    std::string name;
    bool isFolder = false;
};

class FileSystem {
public:
    virtual ~FileSystem() = default;

    // The whole file; nullopt when it is missing, cannot be read to its end,
    // or is larger than largest bytes (refused by its size, before reading).
    std::optional<std::string> ReadFile(const std::string& path, uint64_t largest = kLargestFile) {
        return ReadWhole(path, largest);
    }
    // Writes the file whole: the bytes go to a temporary file beside it, which
    // then replaces the old file, keeping its attributes. A crash or a full
    // disk leaves either the old file or the new one (see ReplaceFileWhole,
    // which the stores with a file system of their own run). False when refused.
    virtual bool WriteReplacing(const std::string& path, const std::string& bytes) = 0;
    // nullopt when nothing exists at the path.
    virtual std::optional<uint32_t> GetAttributes(const std::string& path) = 0;
    virtual bool SetAttributes(const std::string& path, uint32_t attributes) = 0;
    // The entries of a folder, without "." and "..".
    virtual std::vector<FolderEntry> ListFolder(const std::string& path) = 0;
    // Hands the same entries to visit one at a time, as the system finds them,
    // so that a folder of any size never has to be read whole before the caller
    // can act; stops at the first false from visit and then returns false.
    virtual bool VisitFolder(const std::string& path, const std::function<bool(const FolderEntry&)>& visit);
    // One level; true when the folder exists afterwards.
    virtual bool CreateFolder(const std::string& path) = 0;
    virtual bool RemoveFile(const std::string& path) = 0;

    // Adds the bytes at the end of the file, creating it when missing; what
    // is there is never rewritten. False when refused. (The default, for
    // stores that cannot append in place, rewrites the file whole, and
    // refuses one that exists but cannot be read.)
    virtual bool AppendToFile(const std::string& path, const std::string& bytes);
    // The file's size in bytes; nullopt when there is no file.
    virtual std::optional<uint64_t> FileSize(const std::string& path);
    // Moves the file to `to`, replacing any file there. False when refused.
    virtual bool MoveReplacing(const std::string& from, const std::string& to);

    // The steps of a whole-file write, each one change to the disk:
    // WriteDirect writes the bytes straight into the file (created, or
    // emptied first), so a crash may leave part of them; ReplaceKeeping puts
    // temp in target's place and keeps the old target under backup, and may
    // stop having done part of that (by default it is the two moves). A
    // store that writes whole files through ReplaceFileWhole must have its
    // own WriteDirect: by default it is WriteReplacing.
    virtual bool WriteDirect(const std::string& path, const std::string& bytes);
    virtual bool ReplaceKeeping(const std::string& target, const std::string& temp, const std::string& backup);
    // No file the program reads for itself is larger; callers that know the
    // purpose of a file ask for less.
    static constexpr uint64_t kLargestFile = 16u << 20;

protected:
    virtual std::optional<std::string> ReadWhole(const std::string& path, uint64_t largest) = 0;
};

// The folder part of a path, without its trailing backslash.
std::string ParentFolder(const std::string& path);

}  // namespace brisko
