#include "replay/values.h"

namespace gorvo::replay {

std::optional<std::uint64_t> parse_unsigned(std::string_view text, std::uint64_t max) {
    if (text.empty()) return std::nullopt;
    std::uint64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        const auto digit = static_cast<std::uint64_t>(c - '0');
        if (value > (max - digit) / 10) return std::nullopt;
        value = value * 10 + digit;
    }
    return value;
}

std::optional<int> parse_clock(std::string_view text) {
    const std::size_t colon = text.find(':');
    if (colon == std::string_view::npos || colon == 0 || colon > 2) return std::nullopt;
    const std::string_view minute_text = text.substr(colon + 1);
    if (minute_text.size() != 2) return std::nullopt;
    const auto hour = parse_unsigned(text.substr(0, colon), 23);
    const auto minute = parse_unsigned(minute_text, 59);
    if (!hour || !minute) return std::nullopt;
    return static_cast<int>(*hour * 60 + *minute);
}

std::string clock_text(int minutes) {
    const int h = minutes / 60;
    const int m = minutes % 60;
    std::string text;
    text += static_cast<char>('0' + h / 10);
    text += static_cast<char>('0' + h % 10);
    text += ':';
    text += static_cast<char>('0' + m / 10);
    text += static_cast<char>('0' + m % 10);
    return text;
}

}  // namespace gorvo::replay
