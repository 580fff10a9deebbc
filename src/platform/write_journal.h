#pragma once
// The writes an action makes, recorded on their way to the registry and the
// files, so that afterwards each can be read back: a value or file written
// must hold what was written, one deleted must be gone. The journal sits in
// front of the real store and file system for the whole run and records only
// between Start and Take.
//
// It can also rehearse an action: between StartRehearsal and its Take the
// writes are recorded but go to an overlay instead, which later reads see;
// nothing reaches the registry or the files. Inside a rehearsal, Start and
// Take nest: the inner Take hands over the writes since its Start and the
// rehearsal goes on.
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "platform/registry_store.h"
#include "platform/rehearsal_overlay.h"

namespace brisko {

struct RecordedWrite {
    enum class Kind { SetValue, DeleteValue, CreateKey, DeleteKey, WriteFile, RemoveFile };
    Kind kind = Kind::SetValue;
    RegRoot root = RegRoot::CurrentUser;
    std::string path;   // key path, or file path
    std::string name;   // value name
    RegValueData data;  // what SetValue stored
    std::string bytes;  // what WriteFile wrote
    bool operator==(const RecordedWrite&) const = default;
};

// A write as the change log keeps it: with what its target held just before.
struct LoggedWrite {
    RecordedWrite write;
    std::optional<RegValueData> valueBefore;  // SetValue, DeleteValue
    std::optional<std::string> fileBefore;    // WriteFile, RemoveFile
    bool keyBefore = false;                   // CreateKey, DeleteKey: the key was there
};

// The writes made for one item (label), or outside any (empty label).
struct LoggedItem {
    std::string label;
    std::vector<LoggedWrite> writes;
};

class WriteJournal {
public:
    WriteJournal(RegistryStore& registry, FileSystem& files);
    ~WriteJournal();
    WriteJournal(const WriteJournal&) = delete;
    WriteJournal& operator=(const WriteJournal&) = delete;

    // The store and file system to use: they pass everything through.
    RegistryStore& Registry();
    FileSystem& Files();

    void Start();
    void StartRehearsal();
    // Hands over what was recorded since the matching Start or
    // StartRehearsal; the outermost one stops recording, and ends the
    // rehearsal, dropping its overlay. notes gets what was noted meanwhile.
    std::vector<RecordedWrite> Take(std::vector<std::string>* notes = nullptr);

    bool Rehearsing() const { return rehearsal_ != nullptr; }

    // The change log: between StartLog and TakeLog every write that reaches
    // the registry or the files is kept too, with what it replaced, whatever
    // Start and Take do meanwhile. LogItem begins the part of the next item;
    // nothing is logged while rehearsing.
    void StartLog();
    void LogItem(std::string label);
    std::vector<LoggedItem> TakeLog();
    // Something the rehearsed action would have done besides writing (a
    // command, a question); kept only while rehearsing.
    void Note(std::string text);

    // A registry value that another party sets for the program (the service
    // manager keeping a service's start type): `make` sets it and says
    // whether it did. Only a value made is recorded and logged, with what it
    // replaced, as if it had been written here. While rehearsing, `make` is
    // not asked: the value goes to the overlay and counts as made.
    bool SetValueMadeBy(RegRoot root, const std::string& path, const std::string& name, const RegValueData& value,
                        const std::function<bool()>& make);
    // How much has been recorded and noted so far, to split a rehearsal's
    // record by the steps it made.
    size_t WritesSoFar() const { return writes_.size(); }
    size_t NotesSoFar() const { return notes_.size(); }

private:
    class RecordingRegistry;
    class RecordingFiles;
    struct Rehearsal;
    // before: what the target held before the write, when already read.
    void Add(RecordedWrite write, const std::optional<RegValueData>* before = nullptr);
    RegistryStore& TargetRegistry();
    FileSystem& TargetFiles();

    RegistryStore& registry_;
    FileSystem& files_;
    std::unique_ptr<RecordingRegistry> recordingRegistry_;
    std::unique_ptr<RecordingFiles> recordingFiles_;
    std::unique_ptr<Rehearsal> rehearsal_;
    std::vector<size_t> starts_;  // where each open Start began in writes_
    std::vector<RecordedWrite> writes_;
    std::vector<std::string> notes_;
    bool logging_ = false;
    std::vector<LoggedItem> log_;
};

// Whether the last word on every value, key and file the writes touched
// reads back as written (a later write or a key deletion overrides an
// earlier one). Reads with query access, so a key the account may not change
// is still seen as it is.
bool WritesTook(RegistryStore& registry, FileSystem& files, const std::vector<RecordedWrite>& writes);

}  // namespace brisko
