#include "ui/windows/keys_form.h"
#include "ui/windows/text_colour.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <string>
#include <utility>

#include "core/stored_settings.h"
#include "ui/key_choices.h"
#include "ui/window_placement.h"

namespace gorvo::ui {

namespace {

constexpr int kClientWidth = 448;
constexpr int kClientHeight = 227;
// The window's background as a colour value 0x00BBGGRR: a dark blue.
constexpr std::uint32_t kKeysBackground = 5384456;

constexpr int kListWidth = 120;
constexpr int kListHeight = 21;
constexpr int kListStep = 32;
constexpr int kFirstListTop = 29;
constexpr int kLabelDrop = 4;  // a label's top below its list's top
constexpr int kLeftListLeft = 8;
constexpr int kLeftLabelLeft = 136;
constexpr int kRightLabelEnd = 312;
constexpr int kRightListLeft = 320;
constexpr int kLeftColumnSlots = 4;

const char* const kSlotLabels[kControlCount] = {
    "Game A", "Game B", "Time", "Open the game/ACL", "Up", "Left", "Right", "Down", "Jump",
};

QColor colour_value(std::uint32_t bgr) {
    return QColor(static_cast<int>(bgr & 0xFFu), static_cast<int>((bgr >> 8) & 0xFFu),
                  static_cast<int>((bgr >> 16) & 0xFFu));
}

// The lists are black on white whatever the window around them is.
QPalette list_palette() {
    QPalette palette = QGuiApplication::palette();
    for (const QPalette::ColorRole role : {QPalette::Base, QPalette::Button, QPalette::Window}) {
        palette.setColor(role, Qt::white);
    }
    for (const QPalette::ColorRole role :
         {QPalette::Text, QPalette::ButtonText, QPalette::WindowText}) {
        palette.setColor(role, Qt::black);
    }
    return palette;
}

QLabel* heading(QWidget* parent, const char* text, const char* name) {
    auto* label = new QLabel(QString::fromLatin1(text), parent);
    label->setObjectName(QString::fromLatin1(name));
    QFont font = label->font();
    font.setBold(true);
    font.setUnderline(true);
    label->setFont(font);
    set_text_colour(label, Qt::white);
    return label;
}

int valid_choice(int choice, int slot) {
    return choice >= 1 && choice <= kKeyChoiceCount ? choice : kDefaultKeyChoices[slot - 1];
}

}  // namespace

KeysForm::KeysForm(const KeyChoices& choices, SettingsStore& settings, Accepted accepted,
                   QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      settings_(settings),
      accepted_(std::move(accepted)) {
    build();
    for (int slot = 1; slot <= kControlCount; ++slot) {
        lists_[slot - 1]->setCurrentIndex(valid_choice(choices[slot - 1], slot) - 1);
    }
    CheckKeys();
    // cbChange: connected after the first selection, which the check above already covers.
    for (QComboBox* list : lists_) {
        connect(list, &QComboBox::currentIndexChanged, this, [this] { CheckKeys(); });
    }
    connect(accept_, &QPushButton::clicked, this, [this] { btn_acceptClick(); });
}

void KeysForm::build() {
    setObjectName(QStringLiteral("TKeysForm"));
    setWindowTitle(QStringLiteral("Key settings"));
    setFixedSize(kClientWidth, kClientHeight);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(11);
    setFont(font);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, colour_value(kKeysBackground));
    setPalette(palette);
    setAutoFillBackground(true);

    heading(this, "Main operations", "la_main")->setGeometry(8, 8, 104, 15);
    QLabel* controls = heading(this, "Game controls", "la_controls");
    controls->setGeometry(336, 8, 104, 15);
    controls->setAlignment(Qt::AlignRight | Qt::AlignTop);

    for (int slot = 1; slot <= kControlCount; ++slot)
        place_slot(slot);
    accept_ = new QPushButton(QStringLiteral("- ACCEPT -"), this);
    accept_->setObjectName(QStringLiteral("btn_accept"));
    accept_->setGeometry(183, 194, 82, 25);
    accept_->installEventFilter(this);
    setTabOrder(lists_.back(), accept_);
}

void KeysForm::place_slot(int slot) {
    const std::string number = std::to_string(slot);
    auto* list = new QComboBox(this);
    list->setObjectName(QString::fromStdString("cb_" + number));
    list->setEditable(false);
    list->setPalette(list_palette());
    for (int choice = 1; choice <= kKeyChoiceCount; ++choice) {
        list->addItem(QString::fromStdString(key_choice_list_text(choice)));
    }
    list->installEventFilter(this);

    auto* label = new QLabel(QString::fromLatin1(kSlotLabels[slot - 1]), this);
    label->setObjectName(QString::fromStdString("la_" + number));
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    label->adjustSize();

    const bool left_column = slot <= kLeftColumnSlots;
    const int row = left_column ? slot - 1 : slot - 1 - kLeftColumnSlots;
    const int top = kFirstListTop + row * kListStep;
    list->setGeometry(left_column ? kLeftListLeft : kRightListLeft, top, kListWidth, kListHeight);
    label->move(left_column ? kLeftLabelLeft : kRightLabelEnd - label->width(), top + kLabelDrop);

    if (slot > 1) setTabOrder(lists_[slot - 2], list);
    lists_[slot - 1] = list;
    labels_[slot - 1] = label;
}

KeyChoices KeysForm::selected_choices() const {
    KeyChoices choices{};
    for (std::size_t i = 0; i < lists_.size(); ++i)
        choices[i] = lists_[i]->currentIndex() + 1;
    return choices;
}

// Every slot that shares its key with another turns red; Accept waits until all nine differ.
bool KeysForm::CheckKeys() {
    const KeyClashes clashes = find_key_clashes(selected_choices());
    for (std::size_t i = 0; i < labels_.size(); ++i) {
        set_text_colour(labels_[i], clashes.clashing[i] ? QColor(Qt::red) : QColor(Qt::white));
    }
    accept_->setEnabled(!clashes.any);
    return clashes.any;
}

void KeysForm::open_for(QWidget* main) {
    main_ = main;
    if (main_) main_->setEnabled(false);
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen) {
        const QRect area = screen->geometry();
        const Placement place = centred({area.width(), area.height()}, kClientWidth, kClientHeight);
        move(area.left() + place.left, area.top() + place.top);
    }
    show();
    raise();
    activateWindow();
}

void KeysForm::btn_acceptClick() {
    if (!accept_->isEnabled()) return;
    const KeyChoices choices = selected_choices();
    for (int slot = 1; slot <= kControlCount; ++slot) {
        settings_.write_int(stored::kKeys[slot - 1].name, choices[slot - 1]);
    }
    if (accepted_) accepted_(choices);
    leave();
}

void KeysForm::dismiss() {
    leave();
}

void KeysForm::leave() {
    if (main_) main_->setEnabled(true);
    hide();
}

// The window sees Enter and Escape before the list or button that has the focus.
bool KeysForm::handle_key(int key) {
    switch (key) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            btn_acceptClick();
            return true;
        case Qt::Key_Escape:
            dismiss();
            return true;
        default:
            return false;
    }
}

bool KeysForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && handle_key(static_cast<QKeyEvent*>(event)->key())) {
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void KeysForm::keyPressEvent(QKeyEvent* event) {
    if (!handle_key(event->key())) QWidget::keyPressEvent(event);
}

// The window has no close box, but the desktop can still close it: that counts as Escape.
void KeysForm::closeEvent(QCloseEvent* event) {
    if (main_) main_->setEnabled(true);
    event->accept();
}

// FormActivate: the first list has the keyboard.
void KeysForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    lists_.front()->setFocus();
}

}  // namespace gorvo::ui
