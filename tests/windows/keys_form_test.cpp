// The key settings window: duplicate check, Accept and Escape with what reaches the store, the
// hints rebuilt from the accepted keys, and the main window disabled while it is open.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <memory>
#include <vector>

#include "core/image_ids.h"
#include "support/fakes.h"
#include "ui/button_hints.h"
#include "ui/key_choices.h"
#include "ui/windows/keys_form.h"

namespace gorvo::ui {
namespace {

void ensure_app() {
    if (QApplication::instance()) return;
    static int argc = 1;
    static char name[] = "window_tests";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);
}

const KeyChoices kDefaults{2, 3, 4, 6, 37, 39, 40, 38, 42};

class KeysFormTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ensure_app();
        main_window = std::make_unique<QWidget>();
        make(kDefaults);
    }

    void make(const KeyChoices& choices) {
        form = std::make_unique<KeysForm>(choices, store, [this](const KeyChoices& accepted) {
            reported.push_back(accepted);
            // What the program does here: the key table and the hints from the new choices.
            for (int slot = 1; slot <= kControlCount; ++slot) {
                AssignWord(bindings, slot, KeyBinding{accepted[slot - 1], 0});
            }
            hints = Vid_Set_Button_Hints(bindings);
        });
    }

    QComboBox* list(int slot) const {
        return form->findChild<QComboBox*>(QStringLiteral("cb_%1").arg(slot));
    }
    QLabel* label(int slot) const {
        return form->findChild<QLabel*>(QStringLiteral("la_%1").arg(slot));
    }
    QPushButton* accept_button() const {
        return form->findChild<QPushButton*>(QStringLiteral("btn_accept"));
    }
    void choose(int slot, const char* text) {
        const int index = list(slot)->findText(QString::fromLatin1(text));
        ASSERT_GE(index, 0) << text;
        list(slot)->setCurrentIndex(index);
    }
    std::vector<int> red_slots() const {
        std::vector<int> found;
        for (int slot = 1; slot <= kControlCount; ++slot) {
            const QColor colour = label(slot)->palette().color(QPalette::WindowText);
            if (colour == QColor(Qt::red)) {
                found.push_back(slot);
            } else {
                EXPECT_EQ(colour, QColor(Qt::white)) << "la_" << slot;
            }
        }
        return found;
    }
    // Keys go to the first list, as they would with the keyboard focus there: the window must
    // see Enter and Escape before the list does.
    void key(int qt_key) { QTest::keyClick(list(1), static_cast<Qt::Key>(qt_key)); }
    void open() { form->open_for(main_window.get()); }

    test::MemorySettings store;
    std::unique_ptr<QWidget> main_window;
    KeyBindings bindings = default_key_bindings();
    ButtonHints hints{};
    std::vector<KeyChoices> reported;
    std::unique_ptr<KeysForm> form;
};

TEST_F(KeysFormTest, LaysOutTheWindowAsDesigned) {
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Key settings"));
    EXPECT_EQ(form->size(), QSize(448, 227));
    EXPECT_EQ(form->palette().color(QPalette::Window), QColor(8, 41, 82));
    EXPECT_FALSE(form->windowFlags() & Qt::WindowCloseButtonHint);

    for (int slot = 1; slot <= kControlCount; ++slot) {
        SCOPED_TRACE(slot);
        ASSERT_EQ(list(slot)->count(), 44);
        EXPECT_EQ(list(slot)->itemText(40), QStringLiteral("<ALT>"));
        EXPECT_FALSE(list(slot)->isEditable());
        const bool left = slot <= 4;
        const int row = left ? slot - 1 : slot - 5;
        EXPECT_EQ(list(slot)->geometry().topLeft(), QPoint(left ? 8 : 320, 29 + 32 * row));
        EXPECT_EQ(list(slot)->width(), 120);
        EXPECT_EQ(label(slot)->y(), 33 + 32 * row);
        if (left) {
            EXPECT_EQ(label(slot)->x(), 136);
        } else {
            EXPECT_EQ(label(slot)->geometry().right() + 1, 312);
        }
        EXPECT_TRUE(label(slot)->font().bold());
    }
    EXPECT_EQ(label(4)->text(), QStringLiteral("Open the game/ACL"));
    EXPECT_EQ(accept_button()->text(), QStringLiteral("- ACCEPT -"));
    EXPECT_EQ(accept_button()->geometry(), QRect(183, 194, 82, 25));

    // Tab order: the nine lists, then the button, then round again.
    QWidget* widget = list(1);
    for (int slot = 2; slot <= kControlCount; ++slot) {
        widget = widget->nextInFocusChain();
        while (widget->focusPolicy() == Qt::NoFocus)
            widget = widget->nextInFocusChain();
        EXPECT_EQ(widget, list(slot));
    }
    widget = widget->nextInFocusChain();
    while (widget->focusPolicy() == Qt::NoFocus)
        widget = widget->nextInFocusChain();
    EXPECT_EQ(widget, accept_button());
}

TEST_F(KeysFormTest, ShowsEachSlotsChoiceAndFallsBackToTheDefaultForAnUnknownOne) {
    EXPECT_EQ(list(1)->currentText(), QStringLiteral("1"));
    EXPECT_EQ(list(4)->currentText(), QStringLiteral("5"));
    EXPECT_EQ(list(5)->currentText(), QStringLiteral("<UP ARROW>"));
    EXPECT_EQ(list(9)->currentText(), QStringLiteral("<CTRL>"));
    EXPECT_TRUE(red_slots().empty());
    EXPECT_TRUE(accept_button()->isEnabled());

    make({0, 3, 4, 45, 37, 39, 40, 38, -1});
    EXPECT_EQ(form->selected_choices(), kDefaults);
    EXPECT_TRUE(red_slots().empty());
}

TEST_F(KeysFormTest, TwoSlotsOnOneKeyTurnRedAndHoldBackAccept) {
    open();
    choose(1, "<CTRL>");
    EXPECT_EQ(red_slots(), (std::vector<int>{1, 9}));
    EXPECT_FALSE(accept_button()->isEnabled());

    key(Qt::Key_Return);
    key(Qt::Key_Enter);
    accept_button()->click();
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(store.writes.empty());
    EXPECT_TRUE(reported.empty());
    EXPECT_FALSE(main_window->isEnabled());

    choose(9, "<SPACEBAR>");
    EXPECT_TRUE(red_slots().empty());
    EXPECT_TRUE(accept_button()->isEnabled());
}

TEST_F(KeysFormTest, EverySlotSharingAKeyIsRedUntilAllDiffer) {
    choose(2, "1");
    choose(3, "1");
    EXPECT_EQ(red_slots(), (std::vector<int>{1, 2, 3}));
    choose(6, "<UP ARROW>");
    EXPECT_EQ(red_slots(), (std::vector<int>{1, 2, 3, 5, 6}));

    choose(2, "2");
    EXPECT_EQ(red_slots(), (std::vector<int>{1, 3, 5, 6}));
    choose(1, "A");
    EXPECT_EQ(red_slots(), (std::vector<int>{5, 6}));
    EXPECT_FALSE(accept_button()->isEnabled());
    choose(6, "<LEFT ARROW>");
    EXPECT_TRUE(red_slots().empty());
    EXPECT_TRUE(accept_button()->isEnabled());
}

TEST_F(KeysFormTest, AcceptStoresAllNineKeysAndRebuildsTheHints) {
    open();
    EXPECT_FALSE(main_window->isEnabled());
    choose(1, "A");
    choose(9, "<ALT>");
    key(Qt::Key_Return);

    const KeyChoices expected{11, 3, 4, 6, 37, 39, 40, 38, 41};
    for (int slot = 1; slot <= kControlCount; ++slot) {
        EXPECT_EQ(store.read_int("Key" + std::to_string(slot), 0), expected[slot - 1]) << slot;
    }
    EXPECT_EQ(store.writes.size(), 9u);
    ASSERT_EQ(reported.size(), 1u);
    EXPECT_EQ(reported[0], expected);
    EXPECT_EQ(bindings[8].code, 18);  // <ALT>
    EXPECT_EQ(hints[btn_game_a_top], "click or press 'A' to start game A (hold to view highscore)");
    EXPECT_EQ(hints[btn_jump_top], "click or press 'alt' key");
    EXPECT_TRUE(main_window->isEnabled());
    EXPECT_FALSE(form->isVisible());
}

TEST_F(KeysFormTest, EscapeStoresNothingButTheListsKeepTheirChoice) {
    open();
    choose(2, "Z");
    key(Qt::Key_Escape);
    EXPECT_TRUE(store.writes.empty());
    EXPECT_TRUE(reported.empty());
    EXPECT_TRUE(main_window->isEnabled());
    EXPECT_FALSE(form->isVisible());

    open();
    EXPECT_FALSE(main_window->isEnabled());
    EXPECT_EQ(list(2)->currentText(), QStringLiteral("Z"));
    accept_button()->click();
    EXPECT_EQ(store.read_int("Key2", 0), 36);
    EXPECT_TRUE(main_window->isEnabled());
}

TEST_F(KeysFormTest, ADesktopCloseCountsAsEscape) {
    open();
    choose(3, "Q");
    form->close();
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(main_window->isEnabled());
    EXPECT_TRUE(store.writes.empty());
    EXPECT_TRUE(reported.empty());
}

}  // namespace
}  // namespace gorvo::ui
