#pragma once
// Values travel through the program as text. Two texts are sentinels.
#include <string_view>

namespace brisko {

// Absent: a missing value, key, file or an empty string. Writing it deletes a
// registry value and writes nothing to a profile file.
inline constexpr std::string_view kNullText = "NULL";
// Present with another type, or too long for its kind. Writing it does nothing.
inline constexpr std::string_view kUnfitType = "UnfitType";

// The kind tags of registry values.
namespace kind {
inline constexpr std::string_view kString = "String";
inline constexpr std::string_view kExString = "ExString";
inline constexpr std::string_view kDword = "DWORD";
inline constexpr std::string_view kBinary = "Binary";
inline constexpr std::string_view kMultiString = "MultiString";
inline constexpr std::string_view kUnknown = "Unknown";
}  // namespace kind

}  // namespace brisko
