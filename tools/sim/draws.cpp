#include "sim/draws.h"

namespace gorvo::sim {

namespace {

bool is_space(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

}  // namespace

DrawsParse parse_draws(std::string_view text) {
    DrawsParse r;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && is_space(text[i]))
            ++i;
        const std::size_t start = i;
        while (i < text.size() && !is_space(text[i]))
            ++i;
        if (i == start) break;
        const std::string_view word = text.substr(start, i - start);
        for (char c : word) {
            if (c < '0' || c > '9') {
                r.error = "draw number " + std::to_string(r.values.size() + 1) +
                          " is not a non-negative integer";
                r.values.clear();
                return r;
            }
        }
        r.values.emplace_back(word);
    }
    return r;
}

int decimal_mod(std::string_view digits, int n) {
    if (n <= 1) return 0;
    std::int64_t r = 0;
    for (char c : digits)
        r = (r * 10 + (c - '0')) % n;
    return static_cast<int>(r);
}

int ListedDraws::draw(int n) {
    if (next_ >= values_.size()) throw DrawsExhausted();
    return decimal_mod(values_[next_++], n);
}

}  // namespace gorvo::sim
