#pragma once
// The integer forms a key file's values may take.

#include <cstdint>
#include <optional>
#include <string_view>

namespace kestrow {

/// An optional "-" or "+", then decimal digits that fit a signed 32-bit integer, or a
/// hexadecimal prefix ("$", "x", "X", "0x", "0X") and hexadecimal digits worth at most
/// $FFFFFFFF, taken as a 32-bit pattern ($FFFFFFFF is -1). "-" negates either kind.
/// Nothing may follow the digits; anything else gives no value.
std::optional<int32_t> ParseInteger(std::string_view text);

}  // namespace kestrow
