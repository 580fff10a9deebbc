#pragma once
// Starting other programs. Nothing here waits for a program or looks at its result.
#include <string>

namespace brisko {

enum class ShowMode { Hidden, Normal };

class ProcessLauncher {
public:
    virtual ~ProcessLauncher() = default;
    // Starts a program through the shell with a verb ("open", "Open").
    virtual void ShellOpen(const std::string& verb, const std::string& file, const std::string& parameters,
                           ShowMode show) = 0;
};

}  // namespace brisko
