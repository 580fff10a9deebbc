#pragma once
// The four kinds of message the program shows. The core asks through this
// interface; the window shell shows modal message boxes, tests script answers.
#include <string>
#include <string_view>
#include <vector>

namespace brisko {

// One change the program is about to make: the item it belongs to, what it
// changes (a registry value, a file, a command) and its text before and after.
struct ChangeLine {
    std::string item, target, before, after;
    bool operator==(const ChangeLine&) const = default;
};

// TitledError: an error captioned with the application's title instead of
// "エラー", for a program that could not be started.
enum class PromptKind { Confirm, Inform, Warn, Error, TitledError };

// The caption that names the kind: "確認", "情報", "警告", "エラー", "Brisko".
std::string_view PromptCaption(PromptKind kind);

class Prompts {
public:
    virtual ~Prompts() = default;
    // Yes/No; only Yes lets the action go on.
    virtual bool Confirm(const std::string& text) = 0;
    // The same question with the changes that Yes would make; where no list
    // can be shown, the plain question.
    virtual bool ConfirmChanges(const std::string& question, const std::vector<ChangeLine>& changes) {
        (void)changes;
        return Confirm(question);
    }
    virtual void Inform(const std::string& text) = 0;
    virtual void Warn(const std::string& text) = 0;
    virtual void Error(const std::string& text) = 0;
    virtual void TitledError(const std::string& text) { Error(text); }
};

}  // namespace brisko
