// How the text of a stored value is read back, and which stored numbers the game accepts.
// Qt-free, so that the rules can be checked on their own.
#pragma once

#include <optional>
#include <string_view>

namespace gorvo::platform {

// A stored value as an integer: decimal, an optional sign, blanks around it allowed. Nothing
// for an empty text, other characters, or a number outside the 32-bit range.
std::optional<int> parse_stored_int(std::string_view text);

// The number a read returns for a stored value: a number outside the range of its entry in the
// table of stored settings (Key1..Key9 outside 1..44, HiScore1 and HiScore2 outside 0..999) is
// replaced by the entry's default; any other number, or a name not in the table, as stored.
int accepted_stored_int(std::string_view name, int value);

}  // namespace gorvo::platform
