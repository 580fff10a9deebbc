#include "platform/rehearsal_overlay.h"

#include <algorithm>

#include "platform/text/case_fold.h"
#include "platform/text/utf.h"

namespace brisko {

namespace {
std::vector<std::string> PathParts(const std::string& path) {
    std::vector<std::string> parts;
    size_t from = 0;
    while (from <= path.size()) {
        const size_t to = std::min(path.find('\\', from), path.size());
        if (to > from) parts.push_back(path.substr(from, to - from));
        from = to + 1;
    }
    return parts;
}

std::string Folded(const std::string& s) { return text::CodePointsToUtf8(text::RegistryUpper(s)); }

// Root and upper-cased path: "1\CONTROL PANEL\DESKTOP".
std::string KeyId(RegRoot root, const std::string& path) {
    std::string id(1, static_cast<char>('0' + static_cast<int>(root)));
    for (const auto& part : PathParts(path)) id += "\\" + Folded(part);
    return id;
}

bool Under(const std::string& id, const std::string& top) {
    return id == top || (id.size() > top.size() && id.starts_with(top) && id[top.size()] == '\\');
}

std::string Leaf(const std::string& path) {
    const auto parts = PathParts(path);
    return parts.empty() ? std::string() : parts.back();
}

std::string FileId(const std::string& path) {
    std::string p = path;
    std::replace(p.begin(), p.end(), '/', '\\');
    while (!p.empty() && p.back() == '\\') p.pop_back();
    return text::AsciiLower(p);
}
}  // namespace

bool RegistryOverlay::Cleared(const std::string& id) const {
    return std::any_of(cleared_.begin(), cleared_.end(), [&](const std::string& c) { return Under(id, c); });
}

bool RegistryOverlay::Exists(RegRoot root, const std::string& path) {
    const std::string id = KeyId(root, path);
    if (PathParts(path).empty()) return true;
    if (auto it = keys_.find(id); it != keys_.end() && it->second.present) return true;
    if (Cleared(id)) return false;
    return below_.CanOpenKey(root, path, RegAccess::Query);
}

RegistryOverlay::OverValue* RegistryOverlay::Find(const std::string& id, const std::string& name) {
    auto it = keys_.find(id);
    if (it == keys_.end()) return nullptr;
    for (auto& v : it->second.values)
        if (text::RegistryNamesEqual(v.name, name)) return &v;
    return nullptr;
}

bool RegistryOverlay::CanOpenKey(RegRoot root, const std::string& path, RegAccess access) {
    const std::string id = KeyId(root, path);
    if (keys_.contains(id) || Cleared(id)) return Exists(root, path);
    return below_.CanOpenKey(root, path, access);
}

bool RegistryOverlay::CreateKey(RegRoot root, const std::string& path) {
    std::string spelled;
    for (const auto& part : PathParts(path)) {
        spelled = JoinKeyPath(spelled, part);
        if (Exists(root, spelled)) continue;
        OverKey& key = keys_[KeyId(root, spelled)];
        key.path = spelled;
        key.present = true;
    }
    return true;
}

std::optional<RegValueData> RegistryOverlay::QueryValue(RegRoot root, const std::string& path,
                                                        const std::string& name, RegAccess access) {
    if (!Exists(root, path)) return std::nullopt;
    const std::string id = KeyId(root, path);
    if (const OverValue* v = Find(id, name)) return v->data;
    if (Cleared(id)) return std::nullopt;
    return below_.QueryValue(root, path, name, access);
}

bool RegistryOverlay::SetValue(RegRoot root, const std::string& path, const std::string& name,
                               const RegValueData& value) {
    if (!Exists(root, path)) return false;
    const std::string id = KeyId(root, path);
    if (OverValue* v = Find(id, name)) {
        v->data = value;
        return true;
    }
    OverKey& key = keys_[id];
    if (key.path.empty()) key.path = path;
    key.values.push_back({name, value});
    return true;
}

bool RegistryOverlay::DeleteValue(RegRoot root, const std::string& path, const std::string& name) {
    if (!QueryValue(root, path, name, RegAccess::Query)) return false;
    const std::string id = KeyId(root, path);
    if (OverValue* v = Find(id, name)) {
        v->data.reset();
        return true;
    }
    OverKey& key = keys_[id];
    if (key.path.empty()) key.path = path;
    key.values.push_back({name, std::nullopt});
    return true;
}

std::vector<std::string> RegistryOverlay::SubKeyNames(RegRoot root, const std::string& path) {
    if (!Exists(root, path)) return {};
    const std::string id = KeyId(root, path);
    std::vector<std::string> names = Cleared(id) ? std::vector<std::string>{} : below_.SubKeyNames(root, path);
    std::erase_if(names, [&](const std::string& n) { return !Exists(root, JoinKeyPath(path, n)); });
    for (const auto& [childId, key] : keys_) {
        if (!key.present || !childId.starts_with(id + "\\") || childId.find('\\', id.size() + 1) != std::string::npos)
            continue;
        const std::string leaf = Leaf(key.path);
        if (std::any_of(names.begin(), names.end(), [&](const auto& n) { return text::RegistryNamesEqual(n, leaf); }))
            continue;
        auto at = std::find_if(names.begin(), names.end(), [&](const auto& n) { return text::RegistryNameLess(leaf, n); });
        names.insert(at, leaf);
    }
    return names;
}

std::vector<std::string> RegistryOverlay::ValueNames(RegRoot root, const std::string& path) {
    if (!Exists(root, path)) return {};
    const std::string id = KeyId(root, path);
    std::vector<std::string> names = Cleared(id) ? std::vector<std::string>{} : below_.ValueNames(root, path);
    std::erase_if(names, [&](const std::string& n) {
        const OverValue* v = Find(id, n);
        return v && !v->data;
    });
    if (auto it = keys_.find(id); it != keys_.end())
        for (const auto& v : it->second.values)
            if (v.data && std::none_of(names.begin(), names.end(),
                                       [&](const auto& n) { return text::RegistryNamesEqual(n, v.name); }))
                names.push_back(v.name);
    return names;
}

bool RegistryOverlay::DeleteKey(RegRoot root, const std::string& path) {
    if (PathParts(path).empty() || !Exists(root, path) || !SubKeyNames(root, path).empty()) return false;
    const std::string id = KeyId(root, path);
    OverKey& key = keys_[id];
    key = OverKey{path, false, {}};
    cleared_.push_back(id);
    return true;
}

FileOverlay::OverFile* FileOverlay::Find(const std::string& path) {
    auto it = files_.find(FileId(path));
    return it == files_.end() ? nullptr : &it->second;
}

std::optional<std::string> FileOverlay::ReadWhole(const std::string& path, uint64_t largest) {
    if (const OverFile* f = Find(path)) {
        if (f->folder || (f->written && f->bytes && f->bytes->size() > largest)) return std::nullopt;
        if (f->written) return f->bytes;
    }
    return below_.ReadFile(path, largest);
}

std::optional<uint32_t> FileOverlay::GetAttributes(const std::string& path) {
    const OverFile* f = Find(path);
    if (f && f->folder) return fileattr::kDirectory;
    if (f && f->written && !f->bytes) return std::nullopt;
    if (f && f->attributes) return f->attributes;
    const auto below = below_.GetAttributes(path);
    if (!below && f && f->written) return fileattr::kArchive;
    return below;
}

bool FileOverlay::SetAttributes(const std::string& path, uint32_t attributes) {
    const auto now = GetAttributes(path);
    if (!now) return false;
    OverFile& f = files_[FileId(path)];
    f.path = path;
    f.attributes = (attributes & ~fileattr::kDirectory) | (*now & fileattr::kDirectory);
    return true;
}

bool FileOverlay::WriteReplacing(const std::string& path, const std::string& bytes) {
    const auto folder = GetAttributes(ParentFolder(path));
    if (!folder || !(*folder & fileattr::kDirectory)) return false;
    const auto now = GetAttributes(path);
    if (now && (*now & (fileattr::kDirectory | fileattr::kReadOnly))) return false;
    OverFile& f = files_[FileId(path)];
    f.path = path;
    f.written = true;
    f.bytes = bytes;
    return true;
}

bool FileOverlay::RemoveFile(const std::string& path) {
    const auto now = GetAttributes(path);
    if (!now || (*now & fileattr::kDirectory)) return false;
    OverFile& f = files_[FileId(path)];
    f.path = path;
    f.written = true;
    f.bytes.reset();
    f.attributes.reset();  // a file written here again starts afresh
    return true;
}

bool FileOverlay::CreateFolder(const std::string& path) {
    if (const auto now = GetAttributes(path)) return (*now & fileattr::kDirectory) != 0;
    const auto parent = GetAttributes(ParentFolder(path));
    if (!parent || !(*parent & fileattr::kDirectory)) return false;
    OverFile& f = files_[FileId(path)];
    f.path = path;
    f.folder = true;
    return true;
}

std::vector<FolderEntry> FileOverlay::ListFolder(const std::string& path) {
    std::vector<FolderEntry> entries = below_.ListFolder(path);
    std::erase_if(entries, [&](const FolderEntry& e) { return !GetAttributes(path + "\\" + e.name); });
    const std::string folder = FileId(path);
    for (const auto& [id, f] : files_) {
        if (FileId(ParentFolder(f.path)) != folder || !GetAttributes(f.path)) continue;
        const std::string name = f.path.substr(f.path.find_last_of("\\/") + 1);
        if (std::none_of(entries.begin(), entries.end(),
                         [&](const FolderEntry& e) { return text::AsciiNamesEqual(e.name, name); }))
            entries.push_back({name, f.folder});
    }
    return entries;
}

}  // namespace brisko
