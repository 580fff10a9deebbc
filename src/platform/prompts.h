#pragma once
// The four kinds of message the program shows. The core asks through this
// interface; the window shell shows modal message boxes, tests script answers.
#include <string>
#include <string_view>

namespace brisko {

enum class PromptKind { Confirm, Inform, Warn, Error };

// The caption that names the kind: "確認", "情報", "警告", "エラー".
std::string_view PromptCaption(PromptKind kind);

class Prompts {
public:
    virtual ~Prompts() = default;
    // Yes/No; only Yes lets the action go on.
    virtual bool Confirm(const std::string& text) = 0;
    virtual void Inform(const std::string& text) = 0;
    virtual void Warn(const std::string& text) = 0;
    virtual void Error(const std::string& text) = 0;
};

}  // namespace brisko
