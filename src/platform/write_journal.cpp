#include "platform/write_journal.h"

#include <algorithm>
#include <set>

#include "platform/text/case_fold.h"
#include "platform/text/utf.h"

namespace brisko {

using Kind = RecordedWrite::Kind;

namespace {
RecordedWrite Record(Kind kind, RegRoot root, const std::string& path, const std::string& name = {}) {
    RecordedWrite w;
    w.kind = kind;
    w.root = root;
    w.path = path;
    w.name = name;
    return w;
}
}  // namespace

class WriteJournal::RecordingRegistry final : public RegistryStore {
public:
    RecordingRegistry(WriteJournal& journal, RegistryStore& inner) : journal_(journal), inner_(inner) {}
    bool CanOpenKey(RegRoot root, const std::string& path, RegAccess access) override {
        return inner_.CanOpenKey(root, path, access);
    }
    bool CreateKey(RegRoot root, const std::string& path) override {
        journal_.Add(Record(Kind::CreateKey, root, path));
        return inner_.CreateKey(root, path);
    }
    std::optional<RegValueData> QueryValue(RegRoot root, const std::string& path, const std::string& name,
                                           RegAccess access) override {
        return inner_.QueryValue(root, path, name, access);
    }
    bool SetValue(RegRoot root, const std::string& path, const std::string& name, const RegValueData& value) override {
        RecordedWrite w = Record(Kind::SetValue, root, path, name);
        w.data = value;
        journal_.Add(std::move(w));
        return inner_.SetValue(root, path, name, value);
    }
    bool DeleteValue(RegRoot root, const std::string& path, const std::string& name) override {
        journal_.Add(Record(Kind::DeleteValue, root, path, name));
        return inner_.DeleteValue(root, path, name);
    }
    std::vector<std::string> SubKeyNames(RegRoot root, const std::string& path) override {
        return inner_.SubKeyNames(root, path);
    }
    std::vector<std::string> ValueNames(RegRoot root, const std::string& path) override {
        return inner_.ValueNames(root, path);
    }
    bool DeleteKey(RegRoot root, const std::string& path) override {
        journal_.Add(Record(Kind::DeleteKey, root, path));
        return inner_.DeleteKey(root, path);
    }

private:
    WriteJournal& journal_;
    RegistryStore& inner_;
};

class WriteJournal::RecordingFiles final : public FileSystem {
public:
    RecordingFiles(WriteJournal& journal, FileSystem& inner) : journal_(journal), inner_(inner) {}
    std::optional<std::string> ReadFile(const std::string& path) override { return inner_.ReadFile(path); }
    bool WriteReplacing(const std::string& path, const std::string& bytes) override {
        RecordedWrite w = Record(Kind::WriteFile, {}, path);
        w.bytes = bytes;
        journal_.Add(std::move(w));
        return inner_.WriteReplacing(path, bytes);
    }
    std::optional<uint32_t> GetAttributes(const std::string& path) override { return inner_.GetAttributes(path); }
    bool SetAttributes(const std::string& path, uint32_t attributes) override {
        return inner_.SetAttributes(path, attributes);
    }
    std::vector<FolderEntry> ListFolder(const std::string& path) override { return inner_.ListFolder(path); }
    bool VisitFolder(const std::string& path, const std::function<bool(const FolderEntry&)>& visit) override {
        return inner_.VisitFolder(path, visit);
    }
    bool CreateFolder(const std::string& path) override { return inner_.CreateFolder(path); }
    bool RemoveFile(const std::string& path) override {
        journal_.Add(Record(Kind::RemoveFile, {}, path));
        return inner_.RemoveFile(path);
    }

private:
    WriteJournal& journal_;
    FileSystem& inner_;
};

WriteJournal::WriteJournal(RegistryStore& registry, FileSystem& files)
    : registry_(registry), files_(files), recordingRegistry_(std::make_unique<RecordingRegistry>(*this, registry)),
      recordingFiles_(std::make_unique<RecordingFiles>(*this, files)) {}

WriteJournal::~WriteJournal() = default;

RegistryStore& WriteJournal::Registry() { return *recordingRegistry_; }
FileSystem& WriteJournal::Files() { return *recordingFiles_; }

void WriteJournal::Start() {
    writes_.clear();
    recording_ = true;
}

std::vector<RecordedWrite> WriteJournal::Take() {
    recording_ = false;
    return std::move(writes_);
}

void WriteJournal::Add(RecordedWrite write) {
    if (recording_) writes_.push_back(std::move(write));
}

namespace {
struct KeyAt {
    RegRoot root;
    std::string path;  // upper-cased as the registry compares names
};

std::string Folded(const std::string& s) { return text::CodePointsToUtf8(text::RegistryUpper(s)); }

// Whether `path` is `top` or lies below it.
bool Within(const KeyAt& path, const KeyAt& top) {
    return path.root == top.root && (path.path == top.path || path.path.starts_with(top.path + "\\"));
}
}  // namespace

bool WritesTook(RegistryStore& registry, FileSystem& files, const std::vector<RecordedWrite>& writes) {
    // From the last write back: the first word met on anything is the last one said.
    std::vector<KeyAt> deletedLater, usedLater;
    std::set<std::string> settled;
    for (auto w = writes.rbegin(); w != writes.rend(); ++w) {
        const KeyAt key{w->root, Folded(w->path)};
        const std::string rootTag(1, static_cast<char>('0' + static_cast<int>(w->root)));
        auto deleted = [&] {
            return std::any_of(deletedLater.begin(), deletedLater.end(), [&](const KeyAt& d) { return Within(key, d); });
        };
        switch (w->kind) {
            case Kind::SetValue:
            case Kind::DeleteValue: {
                if (deleted() || !settled.insert("V" + rootTag + key.path + "|" + Folded(w->name)).second) break;
                const auto now = registry.QueryValue(w->root, w->path, w->name, RegAccess::Query);
                if (w->kind == Kind::SetValue ? now != w->data : now.has_value()) return false;
                if (w->kind == Kind::SetValue) usedLater.push_back(key);
                break;
            }
            case Kind::CreateKey:
                if (deleted() || !settled.insert("K" + rootTag + key.path).second) break;
                if (!registry.CanOpenKey(w->root, w->path, RegAccess::Query)) return false;
                usedLater.push_back(key);
                break;
            case Kind::DeleteKey: {
                const bool usedAgain =
                    std::any_of(usedLater.begin(), usedLater.end(), [&](const KeyAt& u) { return Within(u, key); });
                if (!deleted() && !usedAgain && settled.insert("K" + rootTag + key.path).second &&
                    registry.CanOpenKey(w->root, w->path, RegAccess::Query))
                    return false;
                deletedLater.push_back(key);
                break;
            }
            case Kind::WriteFile:
            case Kind::RemoveFile: {
                if (!settled.insert("F" + text::AsciiLower(w->path)).second) break;
                const auto now = files.ReadFile(w->path);
                if (w->kind == Kind::WriteFile ? now != w->bytes : now.has_value()) return false;
                break;
            }
        }
    }
    return true;
}

}  // namespace brisko
