// The values that a script's header, its actions and the simulator's options spell alike.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace gorvo::replay {

// ASCII digits only, no sign, at most `max`.
std::optional<std::uint64_t> parse_unsigned(std::string_view text, std::uint64_t max);

// "HH:MM" (the hour may have one digit), 00:00 to 23:59, as minutes after midnight.
std::optional<int> parse_clock(std::string_view text);
// Minutes after midnight as "HH:MM".
std::string clock_text(int minutes);

}  // namespace gorvo::replay
