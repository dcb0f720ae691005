#include "documented_examples.h"

#include <sstream>

namespace gorvo::install::test {

namespace {

constexpr const char* kPrompt = "$ ";
constexpr const char* kLeftOut = "...";
constexpr std::size_t kBlockIndent = 4;

std::size_t indent_of(const std::string& line) {
    const std::size_t text = line.find_first_not_of(' ');
    return text == std::string::npos ? line.size() : text;
}

bool is_blank(const std::string& line) {
    return indent_of(line) == line.size();
}

}  // namespace

std::vector<std::string> lines_of(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

std::vector<Example> examples_in(const std::string& document) {
    const std::vector<std::string> lines = lines_of(document);
    std::vector<Example> examples;
    std::size_t i = 0;
    while (i < lines.size()) {
        const std::size_t indent = indent_of(lines[i]);
        const bool starts_example = !is_blank(lines[i]) && indent >= kBlockIndent &&
                                    lines[i].compare(indent, 2, kPrompt) == 0 &&
                                    (i == 0 || is_blank(lines[i - 1]));
        if (!starts_example) {
            ++i;
            continue;
        }
        Example example;
        for (; i < lines.size() && !is_blank(lines[i]) && indent_of(lines[i]) >= indent; ++i) {
            const std::string text = lines[i].substr(indent);
            if (text.rfind(kPrompt, 0) == 0) {
                example.push_back({static_cast<int>(i) + 1, text.substr(2), {}});
            } else {
                example.back().output.push_back(text);
            }
        }
        examples.push_back(example);
    }
    return examples;
}

bool shows(const std::vector<std::string>& shown, const std::vector<std::string>& printed) {
    // matched[j]: the lines of `shown` so far can stand for the first j printed lines.
    std::vector<bool> matched(printed.size() + 1, false);
    matched[0] = true;
    for (const std::string& line : shown) {
        std::vector<bool> next(printed.size() + 1, false);
        for (std::size_t j = 0; j <= printed.size(); ++j) {
            if (line == kLeftOut) {
                next[j] = matched[j] || (j > 0 && next[j - 1]);
            } else {
                next[j] = j > 0 && matched[j - 1] && printed[j - 1] == line;
            }
        }
        matched = std::move(next);
    }
    return matched[printed.size()];
}

}  // namespace gorvo::install::test
