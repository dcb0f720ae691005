#include "sound_recipe.h"
#include "number_text.h"

#include <cerrno>
#include <cstdlib>
#include <sstream>

namespace gorvo::media {

namespace {

constexpr double kMinHz = 20;
constexpr double kMaxHz = 10000;  // well below half the 22050 Hz sample rate
constexpr double kMaxMs = 5000;
constexpr int kMaxTimes = 100;

std::string strip_comment(std::string_view line) {
    const auto hash = line.find('#');
    std::string s(line.substr(0, hash));
    const auto first = s.find_first_not_of(" \t\r");
    if (first == std::string::npos) return {};
    const auto last = s.find_last_not_of(" \t\r");
    return s.substr(first, last - first + 1);
}

// Reads "a" or "a>b" as pitches.
std::string read_pitch(const std::string& word, Tone& tone) {
    const auto arrow = word.find('>');
    const std::string from = word.substr(0, arrow);
    const std::string to = arrow == std::string::npos ? from : word.substr(arrow + 1);
    if (!to_number(from, tone.start_hz) || !to_number(to, tone.end_hz))
        return "'" + word + "' is not a pitch";
    for (double hz : {tone.start_hz, tone.end_hz})
        if (hz < kMinHz || hz > kMaxHz) return "pitch '" + word + "' outside 20..10000 Hz";
    return {};
}

std::string read_option(const std::string& word, Tone& tone, int& times) {
    const auto eq = word.find('=');
    if (eq == std::string::npos) return "unexpected '" + word + "'";
    const std::string key = word.substr(0, eq);
    double value = 0;
    if (!to_number(word.substr(eq + 1), value)) return "'" + word + "' has no numeric value";
    if (key == "duty") {
        if (value <= 0 || value >= 1) return "duty must lie between 0 and 1";
        tone.duty = value;
    } else if (key == "level") {
        if (value <= 0 || value > 1) return "level must lie in (0, 1]";
        tone.level = value;
    } else if (key == "decay") {
        if (value < 0) return "decay must not be negative";
        tone.decay_ms = value;
    } else if (key == "times") {
        if (value < 1 || value > kMaxTimes || value != static_cast<int>(value))
            return "times must be a whole number from 1 to 100";
        times = static_cast<int>(value);
    } else {
        return "unknown setting '" + key + "'";
    }
    return {};
}

// One tone or rest line; appends `times` copies to the recipe.
std::string read_tone(const std::string& line, Recipe& recipe) {
    std::istringstream words(line);
    std::string pitch, length;
    words >> pitch >> length;
    Tone tone;
    std::string error;
    if (pitch == "rest")
        tone.rest = true;
    else
        error = read_pitch(pitch, tone);
    if (!error.empty()) return error;
    if (!to_number(length, tone.ms) || tone.ms <= 0 || tone.ms > kMaxMs)
        return "length '" + length + "' must be a number of milliseconds from 0 to 5000";
    int times = 1;
    for (std::string word; words >> word;) {
        error = read_option(word, tone, times);
        if (!error.empty()) return error;
    }
    recipe.tones.insert(recipe.tones.end(), static_cast<size_t>(times), tone);
    return {};
}

std::string read_header(const std::string& line, RecipeBook& book) {
    if (line.back() != ']' || line.size() < 3) return "a section header must look like [Name]";
    const std::string name = line.substr(1, line.size() - 2);
    if (book.find(name)) return "sound '" + name + "' is described twice";
    book.recipes.push_back({name, {}});
    return {};
}

}  // namespace

const Recipe* RecipeBook::find(std::string_view name) const {
    for (const auto& r : recipes)
        if (r.name == name) return &r;
    return nullptr;
}

RecipeBook parse_recipes(std::string_view text) {
    RecipeBook book;
    std::istringstream lines{std::string(text)};
    int number = 0;
    for (std::string raw; std::getline(lines, raw);) {
        ++number;
        const std::string line = strip_comment(raw);
        if (line.empty()) continue;
        std::string error;
        if (line.front() == '[')
            error = read_header(line, book);
        else if (book.recipes.empty())
            error = "a tone before the first [Name]";
        else
            error = read_tone(line, book.recipes.back());
        if (!error.empty()) {
            book.error = "line " + std::to_string(number) + ": " + error;
            return book;
        }
    }
    for (const auto& r : book.recipes)
        if (r.tones.empty()) book.error = "sound '" + r.name + "' has no tones";
    return book;
}

}  // namespace gorvo::media
