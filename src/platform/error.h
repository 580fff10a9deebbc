#pragma once
// The one error type of the program. A refused write throws it with the
// message the user is shown; the UI catches it at the event-handler boundary.
#include <stdexcept>
#include <string>

namespace brisko {

class BriskoError : public std::runtime_error {
public:
    explicit BriskoError(const std::string& userMessage) : std::runtime_error(userMessage) {}
};

// Fills the one "%s" of a message template, e.g. "'%s' の設定に失敗しました".
std::string FormatUserMessage(const std::string& pattern, const std::string& argument);

}  // namespace brisko
