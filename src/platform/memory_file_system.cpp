#include "platform/memory_file_system.h"

#include "platform/file_replacement.h"
#include "platform/text/case_fold.h"

namespace brisko {

std::string MemoryFileSystem::Normalise(const std::string& path) {
    std::string p = path;
    for (auto& c : p)
        if (c == '/') c = '\\';
    while (!p.empty() && p.back() == '\\') p.pop_back();
    return text::AsciiLower(p);
}

std::optional<std::string> MemoryFileSystem::ReadWhole(const std::string& path, uint64_t largest) {
    auto it = nodes_.find(Normalise(path));
    if (it == nodes_.end() || it->second.isFolder || it->second.readDenied || it->second.bytes.size() > largest)
        return std::nullopt;
    return it->second.bytes;
}

bool MemoryFileSystem::MayWriteAt(const std::string& path) {
    auto folder = nodes_.find(Normalise(ParentFolder(path)));
    if (folder == nodes_.end() || !folder->second.isFolder || folder->second.writeDenied) return false;
    auto it = nodes_.find(Normalise(path));
    return it == nodes_.end() || !(it->second.isFolder || (it->second.attributes & fileattr::kReadOnly));
}

bool MemoryFileSystem::WriteReplacing(const std::string& path, const std::string& bytes) {
    return ReplaceFileWhole(*this, path, bytes);
}

bool MemoryFileSystem::WriteDirect(const std::string& path, const std::string& bytes) {
    if (!MayWriteAt(path)) return false;
    auto it = nodes_.find(Normalise(path));
    if (it == nodes_.end()) AddFile(path, bytes);
    else it->second.bytes = bytes;
    return true;
}

bool MemoryFileSystem::MoveReplacing(const std::string& from, const std::string& to) {
    auto it = nodes_.find(Normalise(from));
    if (it == nodes_.end() || it->second.isFolder || !MayWriteAt(to)) return false;
    if (Normalise(from) == Normalise(to)) return true;
    Node moved = std::move(it->second);
    nodes_.erase(it);
    moved.displayPath = to;
    nodes_[Normalise(to)] = std::move(moved);
    return true;
}

std::optional<uint32_t> MemoryFileSystem::GetAttributes(const std::string& path) {
    auto it = nodes_.find(Normalise(path));
    if (it == nodes_.end()) return std::nullopt;
    return it->second.attributes;
}

bool MemoryFileSystem::SetAttributes(const std::string& path, uint32_t attributes) {
    auto it = nodes_.find(Normalise(path));
    if (it == nodes_.end()) return false;
    const uint32_t keep = it->second.isFolder ? fileattr::kDirectory : 0;
    it->second.attributes = (attributes & ~fileattr::kDirectory) | keep;
    return true;
}

std::vector<FolderEntry> MemoryFileSystem::ListFolder(const std::string& path) {
    std::vector<FolderEntry> entries;
    const std::string folder = Normalise(path);
    for (const auto& [key, node] : nodes_) {
        if (key.size() <= folder.size() + 1 || key.compare(0, folder.size(), folder) != 0 || key[folder.size()] != '\\')
            continue;
        if (key.find('\\', folder.size() + 1) != std::string::npos) continue;
        const std::string& shown = node.displayPath;
        entries.push_back({shown.substr(shown.find_last_of("\\/") + 1), node.isFolder});
    }
    return entries;
}

bool MemoryFileSystem::CreateFolder(const std::string& path) {
    auto existing = nodes_.find(Normalise(path));
    if (existing != nodes_.end()) return existing->second.isFolder;
    auto parent = nodes_.find(Normalise(ParentFolder(path)));
    if (parent == nodes_.end() || !parent->second.isFolder || parent->second.writeDenied) return false;
    AddFolder(path);
    return true;
}

bool MemoryFileSystem::RemoveFile(const std::string& path) {
    auto it = nodes_.find(Normalise(path));
    if (it == nodes_.end() || it->second.isFolder) return false;
    nodes_.erase(it);
    return true;
}

bool MemoryFileSystem::AppendToFile(const std::string& path, const std::string& bytes) {
    auto it = nodes_.find(Normalise(path));
    if (it == nodes_.end()) return WriteDirect(path, bytes);
    auto folder = nodes_.find(Normalise(ParentFolder(path)));
    if (it->second.isFolder || (it->second.attributes & fileattr::kReadOnly) ||
        (folder != nodes_.end() && folder->second.writeDenied))
        return false;
    it->second.bytes += bytes;
    return true;
}

void MemoryFileSystem::AddFolder(const std::string& path) {
    const std::string parent = ParentFolder(path);
    if (!parent.empty() && !nodes_.count(Normalise(parent))) AddFolder(parent);
    auto& node = nodes_[Normalise(path)];
    if (node.displayPath.empty()) node = {path, true, {}, fileattr::kDirectory, false};
}

void MemoryFileSystem::AddFile(const std::string& path, const std::string& bytes, uint32_t attributes) {
    AddFolder(ParentFolder(path));
    nodes_[Normalise(path)] = {path, false, bytes, attributes, false};
}

void MemoryFileSystem::Remove(const std::string& path) { nodes_.erase(Normalise(path)); }

void MemoryFileSystem::DenyReads(const std::string& path, bool denied) {
    if (auto it = nodes_.find(Normalise(path)); it != nodes_.end()) it->second.readDenied = denied;
}

void MemoryFileSystem::DenyWrites(const std::string& folder) {
    AddFolder(folder);
    nodes_[Normalise(folder)].writeDenied = true;
}

}  // namespace brisko
