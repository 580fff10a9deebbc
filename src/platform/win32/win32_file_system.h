#pragma once
// Files through kernel32's wide functions.
#include "platform/file_system.h"

namespace brisko::win32 {

class Win32FileSystem final : public FileSystem {
public:
    bool WriteReplacing(const std::string& path, const std::string& bytes) override;
    std::optional<uint32_t> GetAttributes(const std::string& path) override;
    bool SetAttributes(const std::string& path, uint32_t attributes) override;
    std::vector<FolderEntry> ListFolder(const std::string& path) override;
    bool VisitFolder(const std::string& path, const std::function<bool(const FolderEntry&)>& visit) override;
    bool CreateFolder(const std::string& path) override;
    bool RemoveFile(const std::string& path) override;
    bool AppendToFile(const std::string& path, const std::string& bytes) override;
    std::optional<uint64_t> FileSize(const std::string& path) override;
    bool MoveReplacing(const std::string& from, const std::string& to) override;
    bool WriteDirect(const std::string& path, const std::string& bytes) override;
    bool ReplaceKeeping(const std::string& target, const std::string& temp, const std::string& backup) override;

    // The call that puts a finished temporary file in the target's place
    // (ReplaceFileW when none is given); tests give one that fails as
    // ReplaceFileW can.
    using ReplaceCall = bool (*)(const std::string& target, const std::string& temp, const std::string& backup);
    explicit Win32FileSystem(ReplaceCall replace = nullptr) : replace_(replace) {}

protected:
    std::optional<std::string> ReadWhole(const std::string& path, uint64_t largest) override;

private:
    ReplaceCall replace_;
};

}  // namespace brisko::win32
