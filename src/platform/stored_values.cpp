#include "platform/stored_values.h"

#include <charconv>

#include "core/stored_settings.h"

namespace gorvo::platform {

namespace {

bool is_blank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
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

int accepted_stored_int(std::string_view name, int value) {
    const StoredSetting* setting = stored::find(name);
    if (setting == nullptr || setting->accepts(value)) return value;
    return setting->default_value;
}

}  // namespace gorvo::platform
