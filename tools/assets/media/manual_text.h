// The instruction leaflet as written in assets/media/manual.txt: pages of text with figures
// that show parts of the handheld drawn from the skin's own segments.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace gorvo::media {

struct Area {
    double x = 0, y = 0, width = 0, height = 0;  // in the 605 × 748 design pixels of the unit
};

struct Callout {
    std::string element;  // the label points at this element's centre
    bool left = true;     // label beside the figure on the left, else on the right
    std::string text;
};

struct Figure {
    Area area;  // the part of the unit shown
    struct Element {
        std::string id;      // drawn element
        std::string target;  // drawn in this element's place; empty = its own place
    };
    std::vector<Element> elements;  // in drawing order, bottom first
    std::vector<Callout> callouts;
    std::string caption;
};

enum class BlockKind { Paragraph, Bullet, Heading };

struct Block {
    BlockKind kind = BlockKind::Paragraph;
    std::string text;  // with inline marks: **bold**, [Key]
};

enum class Layout { Cover, TextLeft, TextRight, FiguresAbove, Full };

struct Page {
    std::string title;
    Layout layout = Layout::TextLeft;
    int text_width = 0;     // pixels of the text column; 0 = the layout's default
    int figure_height = 0;  // FiguresAbove: pixels of the band of figures above the text
    std::vector<Block> blocks;
    std::vector<Figure> figures;
};

struct Manual {
    std::vector<Page> pages;
    std::string error;  // "line N: what is wrong", or empty
    bool ok() const { return error.empty(); }
};

Manual parse_manual(std::string_view text);

// The inline marks as the markup of a rich-text renderer: text escaped, **bold** as <b>,
// [Key] as a key-cap span (a key name has no blank at either end and no "["). An unpaired mark
// is kept as plain text.
std::string inline_html(std::string_view text);

// Every element a manual names, once each, in order of first use.
std::vector<std::string> elements_used(const Manual& manual);

}  // namespace gorvo::media
