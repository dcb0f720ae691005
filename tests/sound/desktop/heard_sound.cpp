#include "heard_sound.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace gorvo::test {

namespace {

constexpr double kWindow = 0.005;

std::string at(const char* what, double seconds) {
    char text[128];
    std::snprintf(text, sizeof text, "%s at %.3f s", what, seconds);
    return text;
}

// Seconds during which `a` and `b` overlap.
double overlap(const Span& a, const Span& b) {
    return std::max(0.0, std::min(a.end, b.end) - std::max(a.start, b.start));
}

// How well the heard spans fit the asked ones shifted by `lag`: time in common.
double fit(const std::vector<Span>& asked, const std::vector<Span>& heard, double lag) {
    double common = 0;
    for (const Span& a : asked) {
        const Span shifted{a.start + lag, a.end + lag};
        for (const Span& h : heard)
            common += overlap(shifted, h);
    }
    return common;
}

}  // namespace

std::vector<Span> heard_spans(const std::vector<std::int16_t>& samples, int rate,
                              std::int16_t threshold) {
    const auto window = static_cast<std::size_t>(rate * kWindow);
    std::vector<Span> spans;
    for (std::size_t first = 0; first + window <= samples.size(); first += window) {
        const bool loud =
            std::any_of(samples.begin() + static_cast<std::ptrdiff_t>(first),
                        samples.begin() + static_cast<std::ptrdiff_t>(first + window),
                        [threshold](std::int16_t s) { return std::abs(s) > threshold; });
        if (!loud) continue;
        const double start = static_cast<double>(first) / rate;
        const double end = start + kWindow;
        if (!spans.empty() && start - spans.back().end < kWindow) {
            spans.back().end = end;
        } else {
            spans.push_back({start, end});
        }
    }
    return spans;
}

HeardCheck check_heard(const std::vector<Span>& asked, const std::vector<Span>& heard,
                       double lag_min, double lag_max, double tolerance) {
    HeardCheck result;
    if (heard.empty()) {
        result.problems.emplace_back("nothing was heard at all");
        return result;
    }
    double best = -1;
    for (double lag = lag_min; lag <= lag_max; lag += kWindow / 2) {
        const double f = fit(asked, heard, lag);
        if (f > best) {
            best = f;
            result.lag = lag;
        }
    }
    for (const Span& a : asked) {
        const double due = a.start + result.lag;
        const bool started = std::any_of(heard.begin(), heard.end(), [&](const Span& h) {
            return h.start >= due - tolerance && h.start <= due + tolerance;
        });
        if (!started) result.problems.push_back(at("no sound started for the one asked", a.start));
    }
    for (const Span& h : heard) {
        const bool expected = std::any_of(asked.begin(), asked.end(), [&](const Span& a) {
            return h.start >= a.start + result.lag - tolerance &&
                   h.end <= a.end + result.lag + tolerance;
        });
        if (!expected) result.problems.push_back(at("sound where none was asked for", h.start));
    }
    return result;
}

}  // namespace gorvo::test
