#pragma once
// Registry values as text of a kind ("String", "ExString", "DWORD", "Binary",
// "MultiString"). Key paths begin with a backslash and name the key from the
// root. Reads never fail; a refused string or binary write throws BriskoError.
#include <optional>
#include <string>
#include <vector>

#include "platform/registry_store.h"
#include "platform/value_text.h"

namespace brisko {

std::string RegReadValue(RegistryStore& store, RegRoot root, const std::string& keyPath, const std::string& name,
                         std::string_view kind);
void RegWriteValue(RegistryStore& store, RegRoot root, const std::string& keyPath, const std::string& name,
                   std::string_view kind, const std::string& text);
// What RegWriteValue stores for the text: nullopt where it stores nothing
// ("NULL", "UnfitType", a DWORD text that is no number, MultiString).
// Throws BriskoError for Binary text that is not hex.
std::optional<RegValueData> RegValueDataOf(std::string_view kind, const std::string& text);
void RegDeleteValue(RegistryStore& store, RegRoot root, const std::string& keyPath, const std::string& name);
std::string RegValueKind(RegistryStore& store, RegRoot root, const std::string& keyPath, const std::string& name);
std::vector<std::string> RegSubKeyNames(RegistryStore& store, RegRoot root, const std::string& keyPath);
void RegDeleteKeyTree(RegistryStore& store, RegRoot root, const std::string& keyPath);
void RegMoveKey(RegistryStore& store, RegRoot root, const std::string& oldPath, const std::string& newPath);
// what: "Key" (a direct subkey of that name) or "Value".
bool RegExists(RegistryStore& store, RegRoot root, const std::string& keyPath, const std::string& name,
               std::string_view what);

// "HKEY_LOCAL_MACHINE\SYSTEM\..." for a key path without its leading backslash.
std::string FullKeyName(RegRoot root, const std::string& path);

// Raw string data as the wide registry functions store it, and back:
// DecodeRegData keeps embedded NULs, DecodeRegString stops at the first.
std::string EncodeRegString(const std::string& utf8);
std::string DecodeRegString(const std::string& bytes);
std::string DecodeRegData(const std::string& bytes);

}  // namespace brisko
