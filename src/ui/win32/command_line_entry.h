#pragma once
// The program started with switches: one command, no window.
#include <string>
#include <vector>

namespace brisko::ui {

// The arguments after the program's name, as Windows splits them.
std::vector<std::string> CommandLineArguments();

// Takes the single-instance mutex (refusing while Brisko runs), runs the
// command and returns its exit code. Output goes to the console the program
// was started from, or to its redirected standard output, and always to the
// command log file.
int RunCommandLine(const std::vector<std::string>& args);

}  // namespace brisko::ui
