#pragma once
// Colours as the preferences file stores them: a TColor identifier such as
// "clSkyBlue" when the value has one, else "$" and eight hexadecimal digits.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace brisko {

// A colour keeps red, green and blue in its low three bytes, red lowest.
// 0xFF0000xx is the system colour with index xx (a COLOR_xxx constant).

// The identifier of a named colour, otherwise "$" and eight upper-case hex
// digits of the 32-bit value ("$008080F0").
std::string ColorToText(int32_t colour);

// An identifier in any letter case, "$" and one to eight hex digits in either
// case, or a decimal integer in the 32-bit range with an optional sign.
// Anything else, surrounding spaces included, gives nullopt.
std::optional<int32_t> TextToColor(const std::string& text);

// The 0x00BBGGRR value to paint with: a system colour is looked up through
// systemColour by its index, any other colour loses its high byte.
uint32_t ResolveColor(int32_t colour, const std::function<uint32_t(int index)>& systemColour);

}  // namespace brisko
