#include "platform/write_journal.h"

#include <algorithm>
#include <set>
#include <utility>

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
    explicit RecordingRegistry(WriteJournal& journal) : journal_(journal) {}
    bool CanOpenKey(RegRoot root, const std::string& path, RegAccess access) override {
        return inner().CanOpenKey(root, path, access);
    }
    bool CreateKey(RegRoot root, const std::string& path) override {
        journal_.Add(Record(Kind::CreateKey, root, path));
        return inner().CreateKey(root, path);
    }
    std::optional<RegValueData> QueryValue(RegRoot root, const std::string& path, const std::string& name,
                                           RegAccess access) override {
        return inner().QueryValue(root, path, name, access);
    }
    bool SetValue(RegRoot root, const std::string& path, const std::string& name, const RegValueData& value) override {
        RecordedWrite w = Record(Kind::SetValue, root, path, name);
        w.data = value;
        journal_.Add(std::move(w));
        return inner().SetValue(root, path, name, value);
    }
    bool DeleteValue(RegRoot root, const std::string& path, const std::string& name) override {
        journal_.Add(Record(Kind::DeleteValue, root, path, name));
        return inner().DeleteValue(root, path, name);
    }
    std::vector<std::string> SubKeyNames(RegRoot root, const std::string& path) override {
        return inner().SubKeyNames(root, path);
    }
    std::vector<std::string> ValueNames(RegRoot root, const std::string& path) override {
        return inner().ValueNames(root, path);
    }
    bool DeleteKey(RegRoot root, const std::string& path) override {
        journal_.Add(Record(Kind::DeleteKey, root, path));
        return inner().DeleteKey(root, path);
    }

private:
    RegistryStore& inner() { return journal_.TargetRegistry(); }
    WriteJournal& journal_;
};

class WriteJournal::RecordingFiles final : public FileSystem {
public:
    explicit RecordingFiles(WriteJournal& journal) : journal_(journal) {}
    std::optional<std::string> ReadWhole(const std::string& path, uint64_t largest) override {
        return inner().ReadFile(path, largest);
    }
    bool WriteReplacing(const std::string& path, const std::string& bytes) override {
        RecordedWrite w = Record(Kind::WriteFile, {}, path);
        w.bytes = bytes;
        journal_.Add(std::move(w));
        return inner().WriteReplacing(path, bytes);
    }
    std::optional<uint32_t> GetAttributes(const std::string& path) override { return inner().GetAttributes(path); }
    bool SetAttributes(const std::string& path, uint32_t attributes) override {
        return inner().SetAttributes(path, attributes);
    }
    std::vector<FolderEntry> ListFolder(const std::string& path) override { return inner().ListFolder(path); }
    bool VisitFolder(const std::string& path, const std::function<bool(const FolderEntry&)>& visit) override {
        return inner().VisitFolder(path, visit);
    }
    bool CreateFolder(const std::string& path) override { return inner().CreateFolder(path); }
    bool RemoveFile(const std::string& path) override {
        journal_.Add(Record(Kind::RemoveFile, {}, path));
        return inner().RemoveFile(path);
    }
    // The program's own files (its command log): passed on, not journaled.
    bool AppendToFile(const std::string& path, const std::string& bytes) override {
        return inner().AppendToFile(path, bytes);
    }
    std::optional<uint64_t> FileSize(const std::string& path) override { return inner().FileSize(path); }
    bool MoveReplacing(const std::string& from, const std::string& to) override {
        return inner().MoveReplacing(from, to);
    }

private:
    FileSystem& inner() { return journal_.TargetFiles(); }
    WriteJournal& journal_;
};

struct WriteJournal::Rehearsal {
    Rehearsal(RegistryStore& registry, FileSystem& files) : registry(registry), files(files) {}
    RegistryOverlay registry;
    FileOverlay files;
};

WriteJournal::WriteJournal(RegistryStore& registry, FileSystem& files)
    : registry_(registry), files_(files), recordingRegistry_(std::make_unique<RecordingRegistry>(*this)),
      recordingFiles_(std::make_unique<RecordingFiles>(*this)) {}

WriteJournal::~WriteJournal() = default;

RegistryStore& WriteJournal::Registry() { return *recordingRegistry_; }
FileSystem& WriteJournal::Files() { return *recordingFiles_; }
RegistryStore& WriteJournal::TargetRegistry() { return rehearsal_ ? rehearsal_->registry : registry_; }
FileSystem& WriteJournal::TargetFiles() { return rehearsal_ ? rehearsal_->files : files_; }

void WriteJournal::Start() {
    // Outside a rehearsal a Start begins afresh, whatever was left open.
    if (!rehearsal_) {
        starts_.clear();
        writes_.clear();
    }
    starts_.push_back(writes_.size());
}

void WriteJournal::StartRehearsal() {
    starts_.clear();
    writes_.clear();
    notes_.clear();
    starts_.push_back(0);
    rehearsal_ = std::make_unique<Rehearsal>(registry_, files_);
}

std::vector<RecordedWrite> WriteJournal::Take(std::vector<std::string>* notes) {
    const size_t from = starts_.empty() ? 0 : starts_.back();
    if (!starts_.empty()) starts_.pop_back();
    // An inner Take copies: the recording around it keeps what it saw.
    std::vector<RecordedWrite> taken(writes_.begin() + static_cast<std::ptrdiff_t>(from), writes_.end());
    if (starts_.empty()) writes_.clear();
    if (rehearsal_ && starts_.empty()) {
        rehearsal_.reset();
        if (notes) *notes = std::move(notes_);
        notes_.clear();
    }
    return taken;
}

void WriteJournal::StartLog() {
    logging_ = true;
    log_.clear();
}

void WriteJournal::LogItem(std::string label) {
    if (logging_ && !rehearsal_) log_.push_back({std::move(label), {}});
}

std::vector<LoggedItem> WriteJournal::TakeLog() {
    logging_ = false;
    return std::exchange(log_, {});
}

void WriteJournal::Add(RecordedWrite write, const std::optional<RegValueData>* before) {
    if (logging_ && !rehearsal_) {
        // Read before the write passes on: what it replaces.
        LoggedWrite logged{write, std::nullopt, std::nullopt, false};
        switch (write.kind) {
            case Kind::SetValue:
            case Kind::DeleteValue:
                logged.valueBefore =
                    before ? *before : registry_.QueryValue(write.root, write.path, write.name, RegAccess::Query);
                break;
            case Kind::CreateKey:
            case Kind::DeleteKey: logged.keyBefore = registry_.CanOpenKey(write.root, write.path, RegAccess::Query); break;
            case Kind::WriteFile:
            case Kind::RemoveFile: logged.fileBefore = files_.ReadFile(write.path); break;
        }
        if (log_.empty()) log_.push_back({});
        log_.back().writes.push_back(std::move(logged));
    }
    if (!starts_.empty()) writes_.push_back(std::move(write));
}

void WriteJournal::Note(std::string text) {
    if (rehearsal_) notes_.push_back(std::move(text));
}

bool WriteJournal::SetValueMadeBy(RegRoot root, const std::string& path, const std::string& name,
                                  const RegValueData& value, const std::function<bool()>& make) {
    if (rehearsal_) return Registry().SetValue(root, path, name, value);
    const std::optional<RegValueData> before =
        logging_ ? registry_.QueryValue(root, path, name, RegAccess::Query) : std::nullopt;
    if (!make()) return false;
    RecordedWrite w = Record(Kind::SetValue, root, path, name);
    w.data = value;
    Add(std::move(w), &before);
    return true;
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
