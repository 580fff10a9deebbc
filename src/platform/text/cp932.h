#pragma once
// Code page 932 (Shift_JIS as Windows has it), the ANSI code page of Japanese
// Windows. Decoding and encoding follow MultiByteToWideChar/WideCharToMultiByte
// with code page 932.
#include <string>

namespace brisko::text {

// True when b starts a double-byte character.
bool IsCp932LeadByte(unsigned char b);

// Bytes of code page 932 to UTF-8. A byte or pair that has no character
// becomes U+FFFD; a lead byte at the very end becomes U+FFFD.
std::string Cp932ToUtf8(const std::string& bytes);

// UTF-8 to code page 932. Characters the code page lacks become '?', as the
// system's default character does.
std::string Utf8ToCp932(const std::string& utf8);

// Number of bytes the UTF-8 text takes in code page 932.
size_t Cp932Length(const std::string& utf8);

}  // namespace brisko::text
