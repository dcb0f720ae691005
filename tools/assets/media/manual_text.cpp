#include "manual_text.h"
#include "number_text.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <sstream>

namespace gorvo::media {

namespace {

std::string trim(std::string_view s) {
    const auto first = s.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return {};
    const auto last = s.find_last_not_of(" \t\r");
    return std::string(s.substr(first, last - first + 1));
}

// Splits "word rest of the line" into the word and the trimmed rest.
std::pair<std::string, std::string> first_word(const std::string& s) {
    const auto space = s.find_first_of(" \t");
    if (space == std::string::npos) return {s, {}};
    return {s.substr(0, space), trim(s.substr(space))};
}

class Reader {
  public:
    Manual manual;

    std::string line(const std::string& raw) {
        if (!raw.empty() && raw.front() == '#' && raw.rfind("##", 0) != 0) return {};
        const std::string text = trim(raw);
        if (text.empty()) {
            end_block();
            return {};
        }
        if (text.rfind("===", 0) == 0) return start_page(trim(text.substr(3)));
        if (manual.pages.empty()) return "text before the first page (=== Title)";
        if (text.front() == '@') return directive(text);
        return prose(raw, text);
    }

    std::string finish() {
        end_block();
        for (size_t i = 0; i < manual.pages.size(); ++i)
            for (const auto& f : manual.pages[i].figures)
                if (f.elements.empty())
                    return "page " + std::to_string(i + 1) + " has a figure that shows nothing";
        return {};
    }

  private:
    bool in_block_ = false;
    bool figure_open_ = false;

    Page& page() { return manual.pages.back(); }

    void end_block() { in_block_ = false; }

    std::string start_page(const std::string& title) {
        if (title.empty()) return "a page needs a title after ===";
        manual.pages.push_back({});
        page().title = title;
        in_block_ = figure_open_ = false;
        return {};
    }

    std::string prose(const std::string& raw, const std::string& text) {
        const bool indented = raw.front() == ' ' || raw.front() == '\t';
        if (text.rfind("## ", 0) == 0) {
            page().blocks.push_back({BlockKind::Heading, trim(text.substr(3))});
            in_block_ = false;
        } else if (text.rfind("- ", 0) == 0) {
            page().blocks.push_back({BlockKind::Bullet, trim(text.substr(2))});
            in_block_ = true;
        } else if (in_block_ && (indented || page().blocks.back().kind == BlockKind::Paragraph)) {
            page().blocks.back().text += " " + text;
        } else {
            page().blocks.push_back({BlockKind::Paragraph, text});
            in_block_ = true;
        }
        return {};
    }

    std::string directive(const std::string& text) {
        end_block();
        const auto [name, rest] = first_word(text);
        if (name == "@layout") return layout(rest);
        if (name == "@figure") return figure(rest);
        if (!figure_open_) return name + " outside a @figure";
        Figure& f = page().figures.back();
        if (name == "@show") {
            std::istringstream ids(rest);
            for (std::string id; ids >> id;)
                f.elements.push_back({id, {}});
            return rest.empty() ? "@show needs element names" : std::string();
        }
        if (name == "@place") {
            std::istringstream words(rest);
            std::string id, target, extra;
            words >> id >> target >> extra;
            if (target.empty() || !extra.empty()) return "@place needs an element and a target";
            f.elements.push_back({id, target});
            return {};
        }
        if (name == "@callout") return callout(rest, f);
        if (name == "@caption") {
            f.caption = rest;
            return {};
        }
        return "unknown directive " + name;
    }

    std::string layout(const std::string& rest) {
        std::istringstream words(rest);
        std::string kind, size, extra;
        words >> kind >> size >> extra;
        static const std::pair<const char*, Layout> kinds[] = {{"cover", Layout::Cover},
                                                               {"left", Layout::TextLeft},
                                                               {"right", Layout::TextRight},
                                                               {"top", Layout::FiguresAbove},
                                                               {"full", Layout::Full}};
        const auto it = std::find_if(std::begin(kinds), std::end(kinds),
                                     [&](const auto& k) { return kind == k.first; });
        if (it == std::end(kinds)) return "layout must be cover, left, right, top or full";
        page().layout = it->second;
        if (size.empty()) return extra.empty() ? "" : "unexpected '" + extra + "'";
        double v = 0;
        const bool number = to_number(size, v) && extra.empty();
        if (it->second == Layout::FiguresAbove) {
            if (!number || v < 60 || v > 260)
                return "the figures above the text must be 60 to 260 pixels high";
            page().figure_height = static_cast<int>(v);
        } else {
            if (!number || v < 100 || v > 520)
                return "the text column must be 100 to 520 pixels wide";
            page().text_width = static_cast<int>(v);
        }
        return {};
    }

    std::string figure(const std::string& rest) {
        std::istringstream words(rest);
        std::string part;
        double v[4] = {};
        for (double& d : v)
            if (!(words >> part) || !to_number(part, d)) return "@figure needs x y width height";
        if (words >> part) return "@figure needs x y width height";
        if (v[2] <= 0 || v[3] <= 0) return "a figure's area must not be empty";
        page().figures.push_back({});
        page().figures.back().area = {v[0], v[1], v[2], v[3]};
        figure_open_ = true;
        return {};
    }

    static std::string callout(const std::string& rest, Figure& f) {
        const auto [id, after_id] = first_word(rest);
        const auto [side, text] = first_word(after_id);
        if (side != "left" && side != "right") return "@callout needs: element left|right text";
        if (text.empty()) return "@callout needs a text";
        f.callouts.push_back({id, side == "left", text});
        return {};
    }
};

void append_escaped(std::string& out, char c) {
    switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
    }
}

void append_escaped(std::string& out, std::string_view s) {
    for (char c : s)
        append_escaped(out, c);
}

}  // namespace

Manual parse_manual(std::string_view text) {
    Reader reader;
    std::istringstream lines{std::string(text)};
    int number = 0;
    for (std::string raw; std::getline(lines, raw);) {
        ++number;
        if (auto e = reader.line(raw); !e.empty()) {
            reader.manual.error = "line " + std::to_string(number) + ": " + e;
            return reader.manual;
        }
    }
    reader.manual.error = reader.finish();
    return reader.manual;
}

std::string inline_html(std::string_view text) {
    std::string out;
    for (size_t i = 0; i < text.size();) {
        if (text.substr(i, 2) == "**") {
            const auto end = text.find("**", i + 2);
            if (end != std::string_view::npos) {
                out += "<b>";
                append_escaped(out, text.substr(i + 2, end - i - 2));
                out += "</b>";
                i = end + 2;
                continue;
            }
        } else if (text[i] == '[') {
            const auto end = text.find(']', i + 1);
            const auto key = end == std::string_view::npos ? std::string_view()
                                                           : text.substr(i + 1, end - i - 1);
            if (!key.empty() && key.find('[') == std::string_view::npos && key.front() != ' ' &&
                key.back() != ' ') {
                out += "<span class=\"key\">&nbsp;";
                append_escaped(out, text.substr(i + 1, end - i - 1));
                out += "&nbsp;</span>";
                i = end + 1;
                continue;
            }
        }
        append_escaped(out, text[i]);
        ++i;
    }
    return out;
}

std::vector<std::string> elements_used(const Manual& manual) {
    std::vector<std::string> ids;
    auto add = [&](const std::string& id) {
        if (!id.empty() && std::find(ids.begin(), ids.end(), id) == ids.end()) ids.push_back(id);
    };
    for (const auto& p : manual.pages)
        for (const auto& f : p.figures) {
            for (const auto& e : f.elements) {
                add(e.id);
                add(e.target);
            }
            for (const auto& c : f.callouts)
                add(c.element);
        }
    return ids;
}

}  // namespace gorvo::media
