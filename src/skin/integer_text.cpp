#include "skin/integer_text.h"

namespace gorvo::skin {

namespace {

constexpr std::uint64_t kMaxUnsigned32 = 0xFFFFFFFFu;

int hex_digit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Length of the hexadecimal prefix at the start of `s`, or 0 when there is none.
std::size_t hex_prefix_length(std::string_view s) {
    if (s.starts_with('$') || s.starts_with('x') || s.starts_with('X')) return 1;
    if (s.starts_with("0x") || s.starts_with("0X")) return 2;
    return 0;
}

std::optional<std::int32_t> parse_hex(std::string_view digits) {
    if (digits.empty()) return std::nullopt;
    std::uint64_t value = 0;
    for (char c : digits) {
        const int d = hex_digit(c);
        if (d < 0) return std::nullopt;
        value = value * 16 + static_cast<std::uint64_t>(d);
        if (value > kMaxUnsigned32) return std::nullopt;
    }
    // The 32 bits are taken as they stand: $FFFFFFFF is -1.
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

std::optional<std::int32_t> parse_decimal(std::string_view s) {
    bool negative = false;
    if (s.starts_with('+') || s.starts_with('-')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    if (s.empty()) return std::nullopt;
    const std::uint64_t limit = negative ? 0x80000000u : 0x7FFFFFFFu;
    std::uint64_t value = 0;
    for (char c : s) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
        if (value > limit) return std::nullopt;
    }
    const auto magnitude = static_cast<std::int64_t>(value);
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

}  // namespace

std::optional<std::int32_t> parse_integer(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    const std::size_t prefix = hex_prefix_length(text);
    if (prefix > 0) return parse_hex(text.substr(prefix));
    return parse_decimal(text);
}

ColourResult parse_colour(std::string_view text) {
    ColourResult result;
    const std::optional<std::int32_t> value = parse_integer(text);
    if (!value) {
        result.error = "'" + std::string(text) + "' is not a valid integer value";
        return result;
    }
    result.colour = static_cast<std::uint32_t>(*value);
    return result;
}

}  // namespace gorvo::skin
