#pragma once
// The program started with switches: one command, no window.
#include <windows.h>

#include <string>
#include <vector>

namespace brisko::ui {

// One running copy on the machine: the window and every command that writes
// hold this mutex, in the global namespace, so that a window in a user's
// session and a command run as SYSTEM in session 0 never share the
// preferences file at once.
inline constexpr wchar_t kSingleInstanceMutex[] = L"Global\\Brisko";

// Makes the mutex; nullptr when a copy holds it already (made elsewhere, or
// by another account, so that this one may not even open it).
HANDLE TakeSingleInstanceMutex();

// The arguments after the program's name, as Windows splits them.
std::vector<std::string> CommandLineArguments();

// Takes the single-instance mutex (refusing while Brisko runs) unless the
// command writes nothing (/?, /check), runs the command and returns its exit code. Output goes to the console the program
// was started from, or to its redirected standard output, and always to the
// command log file.
int RunCommandLine(const std::vector<std::string>& args);

}  // namespace brisko::ui
