#include "platform/text/cp932.h"

#include <algorithm>

#include "platform/text/utf.h"

namespace brisko::text {

namespace {
#include "platform/text/cp932_table.inc"

constexpr char32_t kReplacement = 0xFFFD;

int LeadIndex(unsigned char b) {
    if (b >= 0x81 && b <= 0x9F) return b - 0x81;
    if (b >= 0xE0 && b <= 0xFC) return b - 0xE0 + 0x1F;
    return -1;
}

// The code page 932 form of one character: one or two bytes, or 0 when it has none.
unsigned EncodeOne(char32_t cp) {
    if (cp < 0x80) return cp;
    if (cp > 0xFFFF) return 0;
    const auto* end = kEncode + sizeof(kEncode) / sizeof(kEncode[0]);
    const auto* it = std::lower_bound(kEncode, end, cp,
                                      [](const unsigned short (&row)[2], char32_t v) { return row[0] < v; });
    return (it != end && (*it)[0] == cp) ? (*it)[1] : 0;
}
}  // namespace

bool IsCp932LeadByte(unsigned char b) { return LeadIndex(b) >= 0; }

std::string Cp932ToUtf8(const std::string& bytes) {
    std::string out;
    out.reserve(bytes.size() * 3 / 2);
    for (size_t i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b < 0x80) {
            out.push_back(static_cast<char>(b));
            continue;
        }
        const int lead = LeadIndex(b);
        if (lead < 0) {
            const unsigned short u = kSingleHigh[b - 0x80];
            AppendUtf8(out, u ? u : kReplacement);
            continue;
        }
        if (i + 1 >= bytes.size()) {
            AppendUtf8(out, kReplacement);
            continue;
        }
        const auto t = static_cast<unsigned char>(bytes[i + 1]);
        // A byte that cannot be a second half (a quote, a blank, a line's
        // end) is not swallowed: the lead byte alone becomes the replacement
        // and that byte is read as itself.
        if (t < kTrailFirst || t > kTrailLast || t == 0x7F) {
            AppendUtf8(out, kReplacement);
            continue;
        }
        const unsigned short u = kDouble[lead * (kTrailLast - kTrailFirst + 1) + (t - kTrailFirst)];
        AppendUtf8(out, u ? u : kReplacement);
        ++i;
    }
    return out;
}

std::string Utf8ToCp932(const std::string& utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (char32_t cp : Utf8ToCodePoints(utf8)) {
        const unsigned code = EncodeOne(cp);
        if (code == 0 && cp != 0) {
            out.push_back('?');
        } else if (code > 0xFF) {
            out.push_back(static_cast<char>(code >> 8));
            out.push_back(static_cast<char>(code & 0xFF));
        } else {
            out.push_back(static_cast<char>(code));
        }
    }
    return out;
}

size_t Cp932Length(const std::string& utf8) { return Utf8ToCp932(utf8).size(); }

}  // namespace brisko::text
