#include "platform/file_replacement.h"

namespace brisko {

std::string ReplacedBackupName(const std::string& target) { return target + ".brisko-old"; }

bool PutInPlace(ReplacingSteps& steps, const std::string& target, const std::string& temp) {
    const std::string backup = ReplacedBackupName(target);
    steps.Remove(backup);  // left by an earlier run; the target is there now
    if (steps.Replace(target, temp, backup)) {
        steps.Remove(backup);
        return true;
    }
    // The target may be gone: the old file kept only under the backup name,
    // or (without a backup name honoured) not at all, with the new one still
    // under the temporary name. The new copy is put in place when it can be,
    // the old one otherwise.
    if (!steps.Exists(target)) {
        if (steps.Exists(temp) && steps.Move(temp, target)) {
            steps.Remove(backup);
            return true;
        }
        if (steps.Exists(backup)) steps.Move(backup, target);
    }
    if (!steps.Exists(target)) return false;
    steps.Remove(temp);
    steps.Remove(backup);
    return false;
}

}  // namespace brisko
