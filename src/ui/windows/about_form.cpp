#include "ui/windows/about_form.h"

#include <QKeyEvent>

#include "ui/windows/links.h"
#include "ui/windows/text_colour.h"

namespace gorvo::ui {

namespace {

const QColor kAboutBackground(8, 41, 82);
const QColor kAboutLinkColour(255, 255, 0);
constexpr int kCaptionLeft = 132;
constexpr int kValueLeft = 212;
constexpr int kRowHeight = 15;

}  // namespace

TAboutForm::TAboutForm(UrlOpener open_url, QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      open_url_(std::move(open_url)) {
    setWindowTitle(QStringLiteral("About the author..."));
    setFixedSize(kWidth, kHeight);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kAboutBackground);
    setPalette(pal);
    setAutoFillBackground(true);

    auto* picture = new QLabel(this);
    picture->setGeometry(8, 8, 116, 160);
    picture->setPixmap(load_picture(QStringLiteral("Graphics/About/picture.png")));

    add_row(8, QStringLiteral("Name:"), QStringLiteral("Gorvo250"));
    add_row(32, QStringLiteral("Birthplace:"), QStringLiteral("the Gorvo250 project"));
    add_row(56, QStringLiteral("Birth date:"), release_date());
    add_row(80, QStringLiteral("Occupation:"), QStringLiteral("LCD handheld game simulator"));
    add_row(104, QStringLiteral("Hobby:"), QStringLiteral("keeping Tobo busy"), true);
    const Link project = project_link();
    const Link contact = contact_link();
    la_website_2_ = add_link_row(128, QStringLiteral("Website:"), project.url, project.caption);
    la_email_2_ = add_link_row(152, QStringLiteral("Email:"), contact.url, contact.caption);
}

void TAboutForm::add_row(int top, const QString& caption, const QString& value, bool italic) {
    auto* left = new QLabel(caption, this);
    left->setGeometry(kCaptionLeft, top, kValueLeft - kCaptionLeft, kRowHeight);
    left->setFont(layout_font(11));
    set_text_colour(left, Qt::white);

    auto* right = new QLabel(value, this);
    right->setGeometry(kValueLeft, top, kWidth - kValueLeft - 8, kRowHeight);
    QFont font = layout_font(11, true);
    font.setItalic(italic);
    right->setFont(font);
    set_text_colour(right, Qt::white);
}

LinkLabel* TAboutForm::add_link_row(int top, const QString& caption, const QUrl& url,
                                    const QString& link_caption) {
    auto* left = new QLabel(caption, this);
    left->setGeometry(kCaptionLeft, top, kValueLeft - kCaptionLeft, kRowHeight);
    left->setFont(layout_font(11));
    set_text_colour(left, Qt::white);

    auto* link =
        new LinkLabel(link_caption, {kValueLeft, top, 168, kRowHeight}, 12, kAboutLinkColour, this);
    connect(link, &LinkLabel::clicked, this, [this, url] {
        if (open_url_ && url.isValid()) open_url_(url);
        hide();
    });
    return link;
}

void TAboutForm::show_about() {
    show();
    raise();
    activateWindow();
}

void TAboutForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        hide();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TAboutForm::showEvent(QShowEvent* event) {
    if (!placed_) {
        placed_ = true;
        centre_on_screen(*this);
    }
    QWidget::showEvent(event);
}

}  // namespace gorvo::ui
