#pragma once
// Yes/no preferences as the preferences file stores them.
#include <string>

namespace brisko {

// "True" or "False".
std::string BoolToText(bool value);

// True for "True" in any letter case and for a decimal integer other than
// zero ("-1", "2"). Everything else is false: "False", "0", an empty text,
// the absent-value text "NULL" and any text that is neither.
bool TextToBoolLenient(const std::string& text);

}  // namespace brisko
