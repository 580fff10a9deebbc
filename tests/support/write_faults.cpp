#include "support/write_faults.h"

#include "platform/file_replacement.h"

namespace brisko::testing {

namespace {
std::string Where(RegRoot root, const std::string& path, const std::string& name = {}) {
    const char* top = root == RegRoot::LocalMachine ? "HKLM" : root == RegRoot::CurrentUser ? "HKCU" : "HKCR";
    return std::string(top) + "\\" + path + (name.empty() ? "" : " : " + name);
}
}  // namespace

bool WriteFaults::Allow(const std::string& what) {
    ++count_;
    if (stopping_ && count_ > stopAt_) throw Stopped{what};
    if (count_ != failAt_) return true;
    refused_ = what;
    return false;
}

bool FaultyRegistryStore::CreateKey(RegRoot root, const std::string& path) {
    return faults_.Allow("CreateKey " + Where(root, path)) && inner_.CreateKey(root, path);
}
bool FaultyRegistryStore::SetValue(RegRoot root, const std::string& path, const std::string& name,
                                   const RegValueData& value) {
    return faults_.Allow("SetValue " + Where(root, path, name)) && inner_.SetValue(root, path, name, value);
}
bool FaultyRegistryStore::DeleteValue(RegRoot root, const std::string& path, const std::string& name) {
    return faults_.Allow("DeleteValue " + Where(root, path, name)) && inner_.DeleteValue(root, path, name);
}
bool FaultyRegistryStore::DeleteKey(RegRoot root, const std::string& path) {
    return faults_.Allow("DeleteKey " + Where(root, path)) && inner_.DeleteKey(root, path);
}

bool FaultyFileSystem::WriteReplacing(const std::string& path, const std::string& bytes) {
    return ReplaceFileWhole(*this, path, bytes);
}
bool FaultyFileSystem::WriteDirect(const std::string& path, const std::string& bytes) {
    return faults_.Allow("WriteDirect " + path) && inner_.WriteDirect(path, bytes);
}
bool FaultyFileSystem::MoveReplacing(const std::string& from, const std::string& to) {
    return faults_.Allow("MoveReplacing " + from + " -> " + to) && inner_.MoveReplacing(from, to);
}
bool FaultyFileSystem::AppendToFile(const std::string& path, const std::string& bytes) {
    return faults_.Allow("AppendToFile " + path) && inner_.AppendToFile(path, bytes);
}
bool FaultyFileSystem::SetAttributes(const std::string& path, uint32_t attributes) {
    return faults_.Allow("SetAttributes " + path) && inner_.SetAttributes(path, attributes);
}
bool FaultyFileSystem::CreateFolder(const std::string& path) {
    return faults_.Allow("CreateFolder " + path) && inner_.CreateFolder(path);
}
bool FaultyFileSystem::RemoveFile(const std::string& path) {
    return faults_.Allow("RemoveFile " + path) && inner_.RemoveFile(path);
}

}  // namespace brisko::testing
