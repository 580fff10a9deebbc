#include "prefs/boolean_text.h"

#include "platform/text/case_fold.h"

namespace brisko {

std::string BoolToText(bool value) { return value ? "True" : "False"; }

bool TextToBoolLenient(const std::string& text) {
    if (text::AsciiNamesEqual(text, "true")) return true;
    size_t at = (!text.empty() && (text[0] == '-' || text[0] == '+')) ? 1 : 0;
    if (at == text.size()) return false;
    bool nonZero = false;
    for (; at < text.size(); ++at) {
        if (text[at] < '0' || text[at] > '9') return false;
        nonZero = nonZero || text[at] != '0';
    }
    return nonZero;
}

}  // namespace brisko
