#include "backup/typed_value.h"

#include <algorithm>
#include <charconv>
#include <cstdint>

#include "platform/value_text.h"

namespace brisko {

namespace {
int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}
bool AllHex(const std::string& v) {
    return std::all_of(v.begin(), v.end(), [](char c) { return HexDigit(c) >= 0; });
}
}  // namespace

bool FitsKind(std::string_view kindTag, const std::string& v) {
    if (v == kNullText || v == kUnfitType) return true;
    if (kindTag == kind::kDword) {
        int32_t n = 0;
        const auto r = std::from_chars(v.data(), v.data() + v.size(), n);
        return !v.empty() && r.ec == std::errc() && r.ptr == v.data() + v.size();
    }
    if (kindTag == kind::kBinary) return !v.empty() && v.size() <= 8 && AllHex(v);
    if (kindTag == kMaskKind) return !v.empty() && AllHex(v) && (v.size() <= 8 || v.size() % 2 == 0);
    if (kindTag == kTypedKind) return ParseTypedValue(v).has_value();
    return true;
}

std::string TypedValueText(const RegValueData& value) {
    static const char digits[] = "0123456789abcdef";
    std::string out = std::to_string(value.type) + ":";
    for (unsigned char b : value.bytes) {
        out += digits[b >> 4];
        out += digits[b & 0xF];
    }
    return out;
}

std::optional<RegValueData> ParseTypedValue(const std::string& text) {
    const size_t colon = text.find(':');
    if (colon == std::string::npos || colon == 0 || colon > 10) return std::nullopt;
    RegValueData value;
    const auto r = std::from_chars(text.data(), text.data() + colon, value.type);
    if (r.ec != std::errc() || r.ptr != text.data() + colon) return std::nullopt;
    const size_t hex = text.size() - colon - 1;
    if (hex % 2 != 0) return std::nullopt;
    for (size_t i = colon + 1; i < text.size(); i += 2) {
        const int high = HexDigit(text[i]), low = HexDigit(text[i + 1]);
        if (high < 0 || low < 0) return std::nullopt;
        value.bytes.push_back(static_cast<char>(high << 4 | low));
    }
    return value;
}

}  // namespace brisko
