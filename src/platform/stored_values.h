// How the text of a stored value is read back, and which stored numbers the game accepts.
// Qt-free, so that the rules can be checked on their own.
#pragma once

#include <optional>
#include <string_view>

namespace gorvo::platform {

// A stored value as an integer: decimal, an optional sign, blanks around it allowed. Nothing
// for an empty text, other characters, or a number outside the 32-bit range.
std::optional<int> parse_stored_int(std::string_view text);

// The number a read returns for a stored value: values the game never writes are replaced, so
// a hand-edited store cannot put the game into a state it has no picture or key for.
// - Key1..Key9 outside 1..44: the caller's default (the slot's default choice);
// - HiScore1, HiScore2 outside 0..999: 0;
// - anything else: the stored number.
int accepted_stored_int(std::string_view name, int stored, int default_value);

}  // namespace gorvo::platform
