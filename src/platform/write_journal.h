#pragma once
// The writes an action makes, recorded on their way to the registry and the
// files, so that afterwards each can be read back: a value or file written
// must hold what was written, one deleted must be gone. The journal sits in
// front of the real store and file system for the whole run and records only
// between Start and Take.
#include <memory>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "platform/registry_store.h"

namespace brisko {

struct RecordedWrite {
    enum class Kind { SetValue, DeleteValue, CreateKey, DeleteKey, WriteFile, RemoveFile };
    Kind kind = Kind::SetValue;
    RegRoot root = RegRoot::CurrentUser;
    std::string path;   // key path, or file path
    std::string name;   // value name
    RegValueData data;  // what SetValue stored
    std::string bytes;  // what WriteFile wrote
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
    // Stops recording and hands over what was recorded since Start.
    std::vector<RecordedWrite> Take();

private:
    class RecordingRegistry;
    class RecordingFiles;
    void Add(RecordedWrite write);

    RegistryStore& registry_;
    FileSystem& files_;
    std::unique_ptr<RecordingRegistry> recordingRegistry_;
    std::unique_ptr<RecordingFiles> recordingFiles_;
    bool recording_ = false;
    std::vector<RecordedWrite> writes_;
};

// Whether the last word on every value, key and file the writes touched
// reads back as written (a later write or a key deletion overrides an
// earlier one). Reads with query access, so a key the account may not change
// is still seen as it is.
bool WritesTook(RegistryStore& registry, FileSystem& files, const std::vector<RecordedWrite>& writes);

}  // namespace brisko
