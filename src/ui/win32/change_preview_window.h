#pragma once
// The accelerate confirmation with the changes it would make: caption "確認"
// as the message box has, the list of changes (each item, what it changes,
// the value now and the value to be written; scrolling when long), the
// question, and はい / いいえ. はい is the
// default button, as in the message box: Enter answers it, Esc answers いいえ.
#include <windows.h>

#include <string>
#include <vector>

#include "platform/prompts.h"

namespace brisko::ui {

// Shown modally over the owner; true only when はい was chosen.
bool ConfirmChangesWindow(HWND owner, const std::string& question, const std::vector<ChangeLine>& changes);

}  // namespace brisko::ui
