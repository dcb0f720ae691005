// Integers and colours written as text in Config.ini.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace gorvo::skin {

// Optional leading blanks, then either an optional sign and decimal digits within the signed
// 32-bit range, or a hexadecimal prefix ($, 0x, 0X, x, X) and hex digits worth at most 32 bits
// ($FFFFFFFF is -1). Nothing may follow the digits. Anything else: no value.
std::optional<std::int32_t> parse_integer(std::string_view text);

// A colour value (0x00BBGGRR) converted strictly: the same grammar as integers, and a value that
// does not convert is an error with the message the game shows.
struct ColourResult {
    std::uint32_t colour = 0;
    std::string error;  // empty on success
    bool ok() const { return error.empty(); }
};
ColourResult parse_colour(std::string_view text);

}  // namespace gorvo::skin
