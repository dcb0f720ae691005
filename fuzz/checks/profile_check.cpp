#include <charconv>
#include <optional>
#include <vector>

#include "checks/targets.h"
#include "skin/integer_text.h"
#include "skin/profile.h"

namespace gorvo::fuzz {
namespace {

// Enough names to reach the entries of any seed without making a long input slow.
constexpr std::size_t kMaxQueries = 64;

struct Query {
    std::string section;
    std::string key;
};

std::string upper(std::string_view s) {
    std::string out(s);
    for (char& c : out) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return out;
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

// Section and key names as the text spells them, so that the queries find entries that exist
// (and, for damaged lines, names that may not).
std::vector<Query> queries_from(std::string_view text) {
    std::vector<Query> queries;
    std::string section;
    std::size_t start = 0;
    while (start < text.size() && queries.size() < kMaxQueries) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view line = trim(text.substr(start, end - start));
        start = end + 1;
        const std::size_t close = line.rfind(']');
        if (line.starts_with('[') && close != std::string_view::npos) {
            section = std::string(trim(line.substr(1, close - 1)));
        } else if (const std::size_t equals = line.find('='); equals != std::string_view::npos) {
            queries.push_back({section, std::string(trim(line.substr(0, equals)))});
        }
    }
    return queries;
}

// What the integer reader must make of plain decimal text (optional blanks, sign, up to 18
// digits): the number when it fits in 32 bits, else no value. Other text (hex forms, stray
// characters) is not judged here: the outer optional is empty.
std::optional<std::optional<std::int64_t>> decimal_reference(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    std::string_view digits = text;
    if (digits.starts_with('+') || digits.starts_with('-')) digits.remove_prefix(1);
    if (digits.empty() || digits.size() > 18) return std::nullopt;
    for (char c : digits) {
        if (c < '0' || c > '9') return std::nullopt;
    }
    std::int64_t value = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (text.front() == '-') value = -value;
    if (value < INT32_MIN || value > INT32_MAX) return std::optional<std::int64_t>();
    return std::optional<std::int64_t>(value);
}

std::string integer_problem(const std::string& value) {
    const std::optional<std::int32_t> read = skin::parse_integer(value);
    const auto expected = decimal_reference(value);
    if (!expected) return {};
    if (read.has_value() != expected->has_value() || (read && **expected != *read)) {
        return "the integer reader takes '" + value + "' as " +
               (read ? std::to_string(*read) : "no value");
    }
    return {};
}

std::string entry_problem(const skin::Profile& profile, const Query& q) {
    const std::optional<std::string> value = profile.find(q.section, q.key);
    if (profile.find(upper(q.section), upper(q.key)) != value)
        return "names are told apart by case: [" + q.section + "] " + q.key;
    const std::string fallback = "\x01";
    if (!value) {
        if (profile.read_string(q.section, q.key, fallback) != fallback)
            return "a missing entry read as something other than the default";
        return profile.read_int(q.section, q.key, 7) == 7 ? "" : "a missing integer is not 7";
    }
    if (value->size() > skin::Profile::kMaxValueLength)
        return "a value of " + std::to_string(value->size()) + " bytes was not cut";
    if (profile.read_string(q.section, q.key, fallback) != *value)
        return "read_string and find disagree";
    const std::optional<std::int32_t> number = skin::parse_integer(*value);
    for (const std::int32_t fallback_number : {7, -7}) {
        if (profile.read_int(q.section, q.key, fallback_number) != number.value_or(fallback_number))
            return "read_int disagrees with the integer reader on '" + *value + "'";
    }
    return integer_problem(*value);
}

}  // namespace

std::string check_profile(Input input) {
    const std::string_view text(reinterpret_cast<const char*>(input.data()), input.size());
    const skin::Profile profile = skin::Profile::parse(text);
    for (const Query& query : queries_from(text)) {
        if (std::string problem = entry_problem(profile, query); !problem.empty()) return problem;
    }
    return {};
}

}  // namespace gorvo::fuzz
