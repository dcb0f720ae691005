// The key settings window: duplicate check, Accept and Escape with what reaches the store, the
// hints rebuilt from the accepted keys, and the main window disabled while it is open.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <memory>
#include <vector>

#include "support/fakes.h"
#include "support/qt/test_app.h"
#include "ui/button_hints.h"
#include "ui/windows/keys_form.h"

namespace gorvo::ui {
namespace {

const KeyChoices kDefaults{2, 3, 4, 6, 37, 39, 40, 38, 42};

class KeysFormTest : public ::testing::Test {
  protected:
    void SetUp() override {
        test::ensure_qt_app();
        main_window = std::make_unique<QWidget>();
        make(kDefaults);
    }
    void make(const KeyChoices& choices) {
        // The program's side of Accept: the key table and the hints from the new choices.
        form = std::make_unique<KeysForm>(choices, store, [this](const KeyChoices& accepted) {
            reported.push_back(accepted);
            for (int slot = 1; slot <= kControlCount; ++slot) {
                AssignWord(bindings, slot, KeyBinding{accepted[slot - 1], 0});
            }
            hints = Vid_Set_Button_Hints(bindings);
        });
    }
    template <typename W>
    W* child(const char* prefix, int slot) const {
        return form->findChild<W*>(QStringLiteral("%1%2").arg(QLatin1String(prefix)).arg(slot));
    }
    QComboBox* list(int slot) const { return child<QComboBox>("cb_", slot); }
    QLabel* label(int slot) const { return child<QLabel>("la_", slot); }
    QPushButton* accept() const { return form->findChild<QPushButton*>("btn_accept"); }
    void choose(int slot, const char* text) {
        list(slot)->setCurrentIndex(list(slot)->findText(QString::fromLatin1(text)));
    }
    std::vector<int> red_slots() const {
        std::vector<int> found;
        for (int slot = 1; slot <= kControlCount; ++slot) {
            const QColor colour = label(slot)->palette().color(QPalette::WindowText);
            if (colour == QColor(Qt::red)) found.push_back(slot);
            EXPECT_TRUE(colour == QColor(Qt::red) || colour == QColor(Qt::white)) << slot;
        }
        return found;
    }
    // Sent to the list with the focus: the window must see Enter and Escape before it.
    void key(Qt::Key qt_key) { QTest::keyClick(list(1), qt_key); }
    void open() { form->open_for(main_window.get()); }
    bool main_enabled() const { return main_window->isEnabled(); }

    test::MemorySettings store;
    std::unique_ptr<QWidget> main_window;
    KeyBindings bindings = default_key_bindings();
    ButtonHints hints{};
    std::vector<KeyChoices> reported;
    std::unique_ptr<KeysForm> form;
};

TEST_F(KeysFormTest, LaysOutTwoColumnsOfListsAndLabels) {
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Key settings"));
    EXPECT_EQ(form->size(), QSize(448, 227));
    EXPECT_EQ(form->palette().color(QPalette::Window), QColor(8, 41, 82));
    for (int slot = 1; slot <= kControlCount; ++slot) {
        const bool left = slot <= 4;
        const int top = 29 + 32 * (left ? slot - 1 : slot - 5);
        EXPECT_EQ(list(slot)->geometry(), QRect(left ? 8 : 320, top, 120, 21)) << slot;
        EXPECT_EQ(list(slot)->count(), 44);
        EXPECT_EQ(label(slot)->y(), top + 4) << slot;
        EXPECT_EQ(left ? label(slot)->x() : label(slot)->geometry().right() + 1, left ? 136 : 312)
            << slot;
    }
    EXPECT_EQ(list(9)->itemText(40), QStringLiteral("<ALT>"));
    EXPECT_EQ(accept()->geometry(), QRect(183, 194, 82, 25));
    EXPECT_EQ(accept()->text(), QStringLiteral("- ACCEPT -"));
}

TEST_F(KeysFormTest, SelectsEachSlotsChoiceAndTheDefaultForAnUnknownOne) {
    EXPECT_EQ(list(4)->currentText(), QStringLiteral("5"));
    EXPECT_EQ(list(9)->currentText(), QStringLiteral("<CTRL>"));
    EXPECT_TRUE(red_slots().empty());
    EXPECT_TRUE(accept()->isEnabled());
    make({0, 3, 4, 45, 37, 39, 40, 38, -1});
    EXPECT_EQ(form->selected_choices(), kDefaults);
}

TEST_F(KeysFormTest, TwoSlotsOnOneKeyTurnRedAndHoldBackAcceptAndEnter) {
    open();
    choose(1, "<CTRL>");
    EXPECT_EQ(red_slots(), (std::vector<int>{1, 9}));
    EXPECT_FALSE(accept()->isEnabled());
    key(Qt::Key_Return);
    key(Qt::Key_Enter);
    form->btn_acceptClick();
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(store.writes.empty());
    EXPECT_TRUE(reported.empty());
    EXPECT_FALSE(main_enabled());

    choose(9, "<SPACEBAR>");
    EXPECT_TRUE(red_slots().empty());
    EXPECT_TRUE(accept()->isEnabled());
}

TEST_F(KeysFormTest, EverySlotSharingAKeyStaysRedUntilItsKeyIsFree) {
    choose(2, "1");
    choose(3, "1");
    choose(6, "<UP ARROW>");
    EXPECT_EQ(red_slots(), (std::vector<int>{1, 2, 3, 5, 6}));
    choose(1, "A");
    EXPECT_EQ(red_slots(), (std::vector<int>{2, 3, 5, 6}));
    choose(2, "B");
    choose(6, "<LEFT ARROW>");
    EXPECT_TRUE(red_slots().empty());
    EXPECT_TRUE(accept()->isEnabled());
}

TEST_F(KeysFormTest, AcceptStoresAllNineKeysAndTheHintsNameThem) {
    open();
    EXPECT_FALSE(main_enabled());
    choose(1, "A");
    choose(9, "<ALT>");
    key(Qt::Key_Return);

    const KeyChoices expected{11, 3, 4, 6, 37, 39, 40, 38, 41};
    for (int slot = 1; slot <= kControlCount; ++slot) {
        EXPECT_EQ(store.values["Key" + std::to_string(slot)], std::to_string(expected[slot - 1]));
    }
    EXPECT_EQ(reported, std::vector<KeyChoices>{expected});
    EXPECT_EQ(bindings[8].code, 18);
    EXPECT_EQ(hints[btn_game_a_top], "click or press 'A' to start game A (hold to view highscore)");
    EXPECT_TRUE(main_enabled());
    EXPECT_FALSE(form->isVisible());
}

TEST_F(KeysFormTest, EscapeAndADesktopCloseStoreNothingAndKeepTheLists) {
    open();
    choose(2, "Z");
    key(Qt::Key_Escape);
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(main_enabled());

    open();
    EXPECT_FALSE(main_enabled());
    EXPECT_EQ(list(2)->currentText(), QStringLiteral("Z"));
    form->close();
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(main_enabled());
    EXPECT_TRUE(store.writes.empty());
    EXPECT_TRUE(reported.empty());

    open();
    accept()->click();  // a later Accept stores what was left in the lists
    EXPECT_EQ(store.values["Key2"], "36");
}

}  // namespace
}  // namespace gorvo::ui
