#include "page_text.h"

#include <QFont>
#include <QString>

#include "art_style.h"

namespace gorvo::media {

namespace {

const char* kStyle =
    "p { margin-top: 0px; margin-bottom: 6px; }"
    "h3 { font-size: 15px; color: #084152; margin-top: 2px; margin-bottom: 3px; }"
    "ul { margin-top: 0px; margin-bottom: 4px; -qt-list-indent: 1; }"
    "li { margin-bottom: 3px; }"
    ".key { background-color: #e3d8bf; font-weight: bold; }";

std::string blocks_html(const std::vector<Block>& blocks) {
    std::string html;
    bool in_list = false;
    for (const Block& b : blocks) {
        const bool bullet = b.kind == BlockKind::Bullet;
        if (bullet != in_list) html += bullet ? "<ul>" : "</ul>";
        in_list = bullet;
        const std::string text = inline_html(b.text);
        switch (b.kind) {
            case BlockKind::Paragraph:
                html += "<p>" + text + "</p>";
                break;
            case BlockKind::Bullet:
                html += "<li>" + text + "</li>";
                break;
            case BlockKind::Heading:
                html += "<h3>" + text + "</h3>";
                break;
        }
    }
    if (in_list) html += "</ul>";
    return html;
}

}  // namespace

std::unique_ptr<QTextDocument> layout_text(const std::vector<Block>& blocks, double width,
                                           int body_px) {
    auto doc = std::make_unique<QTextDocument>();
    doc->setDefaultFont(art_font(body_px));
    doc->setDefaultStyleSheet(QString::fromLatin1(kStyle));
    doc->setDocumentMargin(0);
    doc->setIndentWidth(14);
    doc->setTextWidth(width);
    doc->setHtml(QString::fromStdString(blocks_html(blocks)));
    return doc;
}

}  // namespace gorvo::media
