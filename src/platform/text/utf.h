#pragma once
// UTF-8 is the program's inner text form; UTF-16 is what the wide Windows
// APIs and Unicode profile files use. Invalid input becomes U+FFFD.
#include <string>
#include <vector>

namespace brisko::text {

std::u32string Utf8ToCodePoints(const std::string& utf8);
std::string CodePointsToUtf8(const std::u32string& codePoints);
void AppendUtf8(std::string& out, char32_t codePoint);

std::u16string Utf8ToUtf16(const std::string& utf8);
std::string Utf16ToUtf8(const std::u16string& utf16);

}  // namespace brisko::text
