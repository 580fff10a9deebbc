#pragma once
// Name comparison rules of the registry and of profile files.
#include <string>

namespace brisko::text {

// Upper-cases the letters the registry folds when it compares names: ASCII,
// Latin-1, Greek, Cyrillic and the full-width Latin letters.
char32_t RegistryUpper(char32_t c);
std::u32string RegistryUpper(const std::string& utf8);

// Registry name equality and order: both compare the upper-cased names.
bool RegistryNamesEqual(const std::string& a, const std::string& b);
bool RegistryNameLess(const std::string& a, const std::string& b);

// ASCII-only case-insensitive equality, as profile files compare names.
bool AsciiNamesEqual(const std::string& a, const std::string& b);
std::string AsciiLower(std::string s);

}  // namespace brisko::text
