#pragma once
// The last step of a whole-file write: the finished temporary file beside the
// target takes the target's place. The system's replacing call can fail half
// way (a scanner holding the new file open, say), leaving the old file under
// the backup name or no file at the target at all; PutInPlace looks at what
// is left and makes sure the target holds the old bytes or the new ones
// before it removes anything.
#include <string>

namespace brisko {

class ReplacingSteps {
public:
    virtual ~ReplacingSteps() = default;
    // Replaces target with temp, keeping the old target under backup. May
    // fail having done part of that.
    virtual bool Replace(const std::string& target, const std::string& temp, const std::string& backup) = 0;
    // Renames from to to, replacing a file already there.
    virtual bool Move(const std::string& from, const std::string& to) = 0;
    virtual bool Exists(const std::string& path) = 0;
    virtual void Remove(const std::string& path) = 0;
};

// The name the old file is kept under while it is replaced.
std::string ReplacedBackupName(const std::string& target);

// Puts temp in target's place. True when target then holds the new bytes.
// False when it holds the old ones; only then is temp removed. Should the
// target be gone with neither copy movable back, every file is left where
// it is, so that nothing is lost.
bool PutInPlace(ReplacingSteps& steps, const std::string& target, const std::string& temp);

}  // namespace brisko
