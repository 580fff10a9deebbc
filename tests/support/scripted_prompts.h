#pragma once
// Prompts for tests: confirmations are answered from a script, and every
// message shown is recorded with its kind.
#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/prompts.h"

namespace brisko::testing {

struct ShownMessage {
    PromptKind kind;
    std::string text;
    bool operator==(const ShownMessage&) const = default;
};

class ScriptedPrompts final : public Prompts {
public:
    void AnswerNext(bool yes) { answers_.push_back(yes); }
    bool Confirm(const std::string& text) override {
        shown.push_back({PromptKind::Confirm, text});
        if (answers_.empty()) {
            if (unscripted) return *unscripted;
            ADD_FAILURE() << "unexpected confirmation: " << text;
            return false;
        }
        const bool yes = answers_.front();
        answers_.pop_front();
        return yes;
    }
    bool ConfirmChanges(const std::string& question, const std::vector<ChangeLine>& changes) override {
        listed = changes;
        return Confirm(question);
    }
    void Inform(const std::string& text) override { shown.push_back({PromptKind::Inform, text}); }
    void Warn(const std::string& text) override { shown.push_back({PromptKind::Warn, text}); }
    void Error(const std::string& text) override { shown.push_back({PromptKind::Error, text}); }
    void TitledError(const std::string& text) override { shown.push_back({PromptKind::TitledError, text}); }

    std::vector<ShownMessage> shown;
    std::vector<ChangeLine> listed;  // the changes the last confirmation listed
    // The answer to confirmations beyond the script; none fails the test.
    std::optional<bool> unscripted;

private:
    std::deque<bool> answers_;
};

}  // namespace brisko::testing
