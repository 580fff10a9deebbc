#include "platform/text/case_fold.h"

#include <algorithm>

#include "platform/text/utf.h"

namespace brisko::text {

char32_t RegistryUpper(char32_t c) {
    if (c >= U'a' && c <= U'z') return c - 0x20;
    if (c < 0x80) return c;
    if ((c >= 0xE0 && c <= 0xFE && c != 0xF7)) return c - 0x20;  // Latin-1
    if (c == 0xFF) return 0x178;
    if (c >= 0x3B1 && c <= 0x3C9 && c != 0x3C2) return c - 0x20;  // Greek
    if (c >= 0x430 && c <= 0x44F) return c - 0x20;                 // Cyrillic
    if (c >= 0x450 && c <= 0x45F) return c - 0x50;
    if (c >= 0xFF41 && c <= 0xFF5A) return c - 0x20;  // full-width Latin
    return c;
}

std::u32string RegistryUpper(const std::string& utf8) {
    std::u32string s = Utf8ToCodePoints(utf8);
    for (auto& c : s) c = RegistryUpper(c);
    return s;
}

bool RegistryNamesEqual(const std::string& a, const std::string& b) { return RegistryUpper(a) == RegistryUpper(b); }

bool RegistryNameLess(const std::string& a, const std::string& b) { return RegistryUpper(a) < RegistryUpper(b); }

std::string AsciiLower(std::string s) {
    for (auto& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 0x20);
    return s;
}

bool AsciiNamesEqual(const std::string& a, const std::string& b) {
    return a.size() == b.size() && AsciiLower(a) == AsciiLower(b);
}

}  // namespace brisko::text
