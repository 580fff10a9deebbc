#include "platform/prompts.h"

namespace brisko {

std::string_view PromptCaption(PromptKind kind) {
    switch (kind) {
        case PromptKind::Confirm: return "確認";
        case PromptKind::Inform: return "情報";
        case PromptKind::Warn: return "警告";
        case PromptKind::Error: return "エラー";
        case PromptKind::TitledError: return "Brisko";
    }
    return "";
}

}  // namespace brisko
