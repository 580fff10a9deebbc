#include "support/write_faults.h"

namespace brisko::testing {

namespace {
std::string Where(RegRoot root, const std::string& path, const std::string& name = {}) {
    const char* top = root == RegRoot::LocalMachine ? "HKLM" : root == RegRoot::CurrentUser ? "HKCU" : "HKCR";
    return std::string(top) + "\\" + path + (name.empty() ? "" : " : " + name);
}
}  // namespace

bool WriteFaults::Allow(const std::string& what) {
    if (++count_ != failAt_) return true;
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
    return faults_.Allow("WriteReplacing " + path) && inner_.WriteReplacing(path, bytes);
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
