#pragma once
// A registry value kept exactly, type and bytes, for a backup row whose text
// of its kind would not give it back (another type, an empty string, an
// expandable one): "<type in decimal>:<bytes in hex>", say "4:01000000".
#include <optional>
#include <string>
#include <string_view>

#include "platform/registry_store.h"

namespace brisko {

std::string TypedValueText(const RegValueData& value);
// The backup section they are kept in, by "section.key" of their row; a
// section older readers never read.
inline const std::string kTypedValuesSection = "型付きの値";
// nullopt for text of any other shape.
std::optional<RegValueData> ParseTypedValue(const std::string& text);

// The kinds of the texts a backup records, beyond those of registry values.
inline constexpr std::string_view kMaskKind = "Mask";    // Binary text, or a longer mask in hex bytes
inline constexpr std::string_view kTypedKind = "Typed";  // a value kept with its type, as above

// Whether a restore can write the recorded text as that kind ("DWORD",
// "Binary" or the two above; any text fits the others). "NULL" and
// "UnfitType" always fit: they delete the value or leave it.
bool FitsKind(std::string_view kind, const std::string& text);

}  // namespace brisko
