#include "platform/stored_values.h"

#include <charconv>

namespace gorvo::platform {

namespace {

bool is_blank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool is_key_value(std::string_view name) {
    return name.size() == 4 && name.substr(0, 3) == "Key" && name[3] >= '1' && name[3] <= '9';
}

bool is_hiscore_value(std::string_view name) {
    return name == "HiScore1" || name == "HiScore2";
}

}  // namespace

std::optional<int> parse_stored_int(std::string_view text) {
    while (!text.empty() && is_blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && is_blank(text.back()))
        text.remove_suffix(1);
    if (text.size() > 1 && text.front() == '+' && text[1] != '-') text.remove_prefix(1);
    if (text.empty()) return std::nullopt;
    int value = 0;
    const char* end = text.data() + text.size();
    auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || stop != end) return std::nullopt;
    return value;
}

int accepted_stored_int(std::string_view name, int stored, int default_value) {
    if (is_key_value(name) && (stored < 1 || stored > 44)) return default_value;
    if (is_hiscore_value(name) && (stored < 0 || stored > 999)) return 0;
    return stored;
}

}  // namespace gorvo::platform
