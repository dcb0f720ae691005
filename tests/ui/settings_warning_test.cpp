// A settings store that cannot keep anything: the game comes up and plays, and says so once.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QTemporaryDir>

#include "platform/settings_store.h"
#include "support/fakes.h"
#include "support/qt/test_app.h"
#include "support/qt/test_skin.h"
#include "ui/main_window.h"
#include "ui/settings_warning.h"

namespace gorvo::test {
namespace {

std::vector<QMessageBox*> message_boxes() {
    std::vector<QMessageBox*> boxes;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) {
            boxes.push_back(box);
        }
    }
    return boxes;
}

TEST(UnwritableSettings, TheWindowComesUpAndTheGamePlaysOnWhatItWrote) {
    ensure_qt_app();
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir("Gorvo250.conf"));  // a folder where the file should be
    platform::QtSettingsStore store(dir.filePath("Gorvo250.conf"));
    RecordingSound sound;
    FixedClock clock;
    ScriptedRandom random;
    Handheld hh(sound, store, clock, random);
    TestSkin skin;
    ui::MainWindowSetup setup;
    setup.config = skin.config();
    setup.screen_size = [] { return skin::ScreenSize{1280, 1024}; };
    setup.show_error = [](const QString&) { FAIL() << "no error box expected"; };
    ui::TForm1 window(hh, store, std::move(setup));
    // The key bindings were written back during creation and could not be kept.
    EXPECT_TRUE(store.write_failed());
    EXPECT_EQ(window.key_bindings()[0].code, '1');
    // Values written in this run are still there for the game.
    window.pm_10_fullscreenClick();
    EXPECT_EQ(store.read_bool("FullscreenMode", true), window.fullscreen_mode());
}

TEST(UnwritableSettings, TheWarningNamesTheFileAndDoesNotBlockTheGame) {
    ensure_qt_app();
    const QString where = QStringLiteral("/nowhere/Quillmark/Gorvo250.conf");
    ui::warn_settings_not_kept(nullptr, where);
    EXPECT_TRUE(message_boxes().empty());  // queued: never shown inside a game step
    QApplication::processEvents();
    const std::vector<QMessageBox*> boxes = message_boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_FALSE(boxes[0]->isModal());
    EXPECT_TRUE(boxes[0]->text().contains(where));
    EXPECT_TRUE(boxes[0]->text().contains(QStringLiteral("will not be kept")));
    boxes[0]->close();
}

}  // namespace
}  // namespace gorvo::test
