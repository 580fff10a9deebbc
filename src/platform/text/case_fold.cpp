#include "platform/text/case_fold.h"

#include <algorithm>
#include <optional>

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

namespace {
// Orders two names by their upper-cased letters while both are ASCII, without
// building upper-cased copies: names are nearly always ASCII, and the
// registry compares them all the time. nullopt when either holds a byte
// beyond ASCII; the general rule decides then.
std::optional<int> CompareAsciiUpper(const std::string& a, const std::string& b) {
    const size_t n = std::min(a.size(), b.size());
    auto upper = [](unsigned char c) { return c >= 'a' && c <= 'z' ? c - 0x20 : c; };
    for (size_t i = 0; i < n; ++i) {
        const unsigned char x = a[i], y = b[i];
        if ((x | y) >= 0x80) return std::nullopt;
        if (upper(x) != upper(y)) return upper(x) < upper(y) ? -1 : 1;
    }
    for (size_t i = n; i < a.size(); ++i)
        if (static_cast<unsigned char>(a[i]) >= 0x80) return std::nullopt;
    for (size_t i = n; i < b.size(); ++i)
        if (static_cast<unsigned char>(b[i]) >= 0x80) return std::nullopt;
    return a.size() == b.size() ? 0 : a.size() < b.size() ? -1 : 1;
}
}  // namespace

bool RegistryNamesEqual(const std::string& a, const std::string& b) {
    if (const auto order = CompareAsciiUpper(a, b)) return *order == 0;
    return RegistryUpper(a) == RegistryUpper(b);
}

bool RegistryNameLess(const std::string& a, const std::string& b) {
    if (const auto order = CompareAsciiUpper(a, b)) return *order < 0;
    return RegistryUpper(a) < RegistryUpper(b);
}

std::string AsciiLower(std::string s) {
    for (auto& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 0x20);
    return s;
}

bool AsciiNamesEqual(const std::string& a, const std::string& b) {
    return a.size() == b.size() && AsciiLower(a) == AsciiLower(b);
}

}  // namespace brisko::text
