#include "platform/file_replacement.h"

namespace brisko {

namespace {
bool Exists(FileSystem& files, const std::string& path) { return files.GetAttributes(path).has_value(); }
// Removes a file only where there is one: every removal is a change to the disk.
void RemoveIfThere(FileSystem& files, const std::string& path) {
    if (Exists(files, path)) files.RemoveFile(path);
}
}  // namespace

std::string ReplacementName(const std::string& target) { return target + ".brisko-new"; }
std::string ReplacedBackupName(const std::string& target) { return target + ".brisko-old"; }

bool PutInPlace(FileSystem& files, const std::string& target, const std::string& temp) {
    const std::string backup = ReplacedBackupName(target);
    RemoveIfThere(files, backup);  // left by an earlier run; the target is there now
    if (files.ReplaceKeeping(target, temp, backup)) {
        RemoveIfThere(files, backup);
        return true;
    }
    // The target may be gone: the old file kept only under the backup name,
    // or (without a backup name honoured) not at all, with the new one still
    // under the temporary name. The new copy is put in place when it can be,
    // the old one otherwise.
    if (!Exists(files, target)) {
        if (Exists(files, temp) && files.MoveReplacing(temp, target)) {
            RemoveIfThere(files, backup);
            return true;
        }
        if (Exists(files, backup)) files.MoveReplacing(backup, target);
    }
    if (!Exists(files, target)) return false;
    RemoveIfThere(files, temp);
    RemoveIfThere(files, backup);
    return false;
}

bool ReplaceFileWhole(FileSystem& files, const std::string& path, const std::string& bytes) {
    const std::string temp = ReplacementName(path);
    const auto oldAttributes = files.GetAttributes(path);
    if (oldAttributes && (*oldAttributes & (fileattr::kReadOnly | fileattr::kDirectory))) return false;
    if (!files.WriteDirect(temp, bytes)) {
        RemoveIfThere(files, temp);
        return false;
    }
    if (!oldAttributes) {
        if (files.MoveReplacing(temp, path)) return true;
        RemoveIfThere(files, temp);
        return false;
    }
    if (!PutInPlace(files, path, temp)) return false;
    // The system's replacing call keeps the attributes; the plain moves do not.
    if (files.GetAttributes(path) != oldAttributes) files.SetAttributes(path, *oldAttributes);
    return true;
}

Recovered RecoverReplacedFile(FileSystem& files, const std::string& target) {
    const std::string fresh = ReplacementName(target), old = ReplacedBackupName(target);
    if (Exists(files, target)) {
        RemoveIfThere(files, fresh);
        RemoveIfThere(files, old);
        return Recovered::Nothing;
    }
    if (!Exists(files, old)) {
        RemoveIfThere(files, fresh);
        return Recovered::Nothing;
    }
    if (Exists(files, fresh) && files.MoveReplacing(fresh, target)) {
        RemoveIfThere(files, old);
        return Recovered::FromNew;
    }
    if (!files.MoveReplacing(old, target)) return Recovered::Failed;
    RemoveIfThere(files, fresh);
    return Recovered::FromOld;
}

}  // namespace brisko
