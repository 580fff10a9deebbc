#pragma once
// A whole-file write, step by step over the file system: the bytes go to a
// temporary file beside the target ("<file>.brisko-new"), which then takes
// the target's place, the old file kept under "<file>.brisko-old" until the
// new one stands. The system's replacing call can fail half way (a scanner
// holding the new file open, say), and the program can be stopped between
// any two steps; what is left then always holds the old bytes or the new ones
// somewhere, and RecoverReplacedFile puts them back at the target's name.
#include <string>

#include "platform/file_system.h"

namespace brisko {

// The names the new copy is written under, and the old one kept under.
std::string ReplacementName(const std::string& target);
std::string ReplacedBackupName(const std::string& target);

// Writes the file whole, keeping the attributes of the file it replaces; a
// read-only file is refused. False when refused, with the target as it was.
bool ReplaceFileWhole(FileSystem& files, const std::string& path, const std::string& bytes);

// Puts temp in target's place. True when target then holds the new bytes.
// False when it holds the old ones; only then is temp removed. Should the
// target be gone with neither copy movable back, every file is left where
// it is, so that nothing is lost.
bool PutInPlace(FileSystem& files, const std::string& target, const std::string& temp);

// What a whole-file write cut short left, put right before the file is read.
enum class Recovered {
    Nothing,   // the target is there (copies left beside it are removed) or never was
    FromNew,   // the target was missing: the new copy, whole, took its place
    FromOld,   // the target was missing: the old copy took its place
    Failed,    // the target is missing and no copy could be moved back
};
// The new copy is whole only when the old one was already set aside: the
// replacing step begins after the new copy is written and flushed. A new
// copy alone is a file being created whose writing may have been cut short;
// it is removed.
Recovered RecoverReplacedFile(FileSystem& files, const std::string& target);

}  // namespace brisko
