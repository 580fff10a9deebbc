#pragma once
// The program's four message boxes: "確認" (はい/いいえ), "情報", "警告" and
// "エラー", with Japanese button captions whatever the system's language.
#include <windows.h>

#include "platform/prompts.h"
#include "ui/win32/error_box.h"

namespace brisko::ui {

class MessageBoxPrompts final : public Prompts {
public:
    void SetOwner(HWND owner) { owner_ = owner; }
    bool Confirm(const std::string& text) override;
    // With changes to list, a window of its own with the list above the
    // question; without, the message box.
    bool ConfirmChanges(const std::string& question, const std::vector<ChangeLine>& changes) override;
    void Inform(const std::string& text) override;
    void Warn(const std::string& text) override;
    void Error(const std::string& text) override;
    void TitledError(const std::string& text) override { ShowErrorBox(owner_, text); }

private:
    int Show(const std::string& text, PromptKind kind, UINT style);
    HWND owner_ = nullptr;
};

}  // namespace brisko::ui
