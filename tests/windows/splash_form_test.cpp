// The splash window: what the stored driver and splash choice make of it, the start button, the
// keys it acts on before its controls, and the start action's steps and what they store.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>
#include <memory>
#include <string>

#include "support/fakes.h"
#include "support/qt/test_app.h"
#include "ui/windows/splash_form.h"
#include "ui/windows/splash_start.h"

namespace gorvo::ui {
namespace {

class SplashFormTest : public ::testing::Test {
  protected:
    void SetUp() override { test::ensure_qt_app(); }

    TSplashForm& make(const char* sound_mode = nullptr, const char* splash = nullptr) {
        store.values.clear();
        store.writes.clear();
        if (sound_mode) store.values["SoundMode"] = sound_mode;
        if (splash) store.values["SplashScreen"] = splash;
        form = std::make_unique<TSplashForm>(store, [this](const QUrl& u) { opened.push_back(u); });
        starts = std::make_unique<QSignalSpy>(form.get(), &TSplashForm::start_requested);
        quits = std::make_unique<QSignalSpy>(form.get(), &TSplashForm::quit_requested);
        return *form;
    }
    // What the player sees: the working start button, or its disabled look with its hint.
    bool play_shown() const { return form->btn_play()->isVisibleTo(form.get()); }
    bool disabled_look_shown() const { return form->btn_play_disabled()->isVisibleTo(form.get()); }
    void press_start_keys() {
        for (int key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_1}) {
            QTest::keyClick(form->cb_sound(), Qt::Key(key));
        }
    }
    // The start action with steps that note themselves and the store's writes so far.
    bool start(bool sound_ok = true) {
        auto note = [this](const std::string& what) {
            std::string line = what;
            for (const std::string& w : store.writes)
                line += " after " + w;
            steps.push_back(line);
        };
        return run_start_action(
            *form, store,
            {[note, sound_ok](int mode) {
                 note("sound " + std::to_string(mode));
                 return sound_ok;
             },
             [note](bool ticked) { note(ticked ? "menu ticked" : "menu unticked"); },
             [note] { note("game"); }});
    }

    test::MemorySettings store;
    std::vector<QUrl> opened;
    std::vector<std::string> steps;
    std::unique_ptr<TSplashForm> form;
    std::unique_ptr<QSignalSpy> starts, quits;
};

TEST_F(SplashFormTest, WithoutAUsableStoredDriverNothingIsChosenAndNothingStarts) {
    // First run, a failed sound start (-1), and values the program never writes; the splash
    // setting does not matter: without a driver the window must be shown.
    for (const char* mode : {static_cast<const char*>(nullptr), "-1", "3", "-5"}) {
        SCOPED_TRACE(mode ? mode : "none");
        TSplashForm& f = make(mode, "0");
        EXPECT_EQ(f.cb_sound()->currentIndex(), -1);
        EXPECT_TRUE(f.cb_sound()->currentText().isEmpty());
        EXPECT_FALSE(f.skip_path());
        EXPECT_FALSE(f.start_enabled());
        EXPECT_FALSE(play_shown());
        EXPECT_TRUE(disabled_look_shown());
        press_start_keys();
        QTest::mouseClick(f.btn_play(), Qt::LeftButton);
        EXPECT_EQ(starts->count(), 0);
        EXPECT_FALSE(start());
    }
    EXPECT_TRUE(make().splash_ticked());
    EXPECT_EQ(form->btn_play_disabled()->toolTip(), "please select sound driver first");
    EXPECT_TRUE(steps.empty());
    EXPECT_TRUE(store.writes.empty());
}

TEST_F(SplashFormTest, StoredDriverWithSplashOnIsPreselectedAndStartsOnceByEnterOrOne) {
    for (const char* mode : {"0", "1", "2"}) {
        for (int key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_1}) {
            SCOPED_TRACE(testing::Message() << "mode " << mode << " key " << key);
            TSplashForm& f = make(mode, "1");
            EXPECT_EQ(f.chosen_mode(), std::stoi(mode));
            EXPECT_FALSE(f.skip_path());
            EXPECT_TRUE(play_shown());
            EXPECT_FALSE(disabled_look_shown());
            QTest::keyClick(f.cb_sound(), Qt::Key(key));  // seen before the focused list
            EXPECT_EQ(starts->count(), 1);
            press_start_keys();  // a held key repeats: still one start
            QTest::mouseClick(f.btn_play(), Qt::LeftButton);
            EXPECT_EQ(starts->count(), 1);
        }
    }
    make("0", "1");
    QTest::keyClick(form->cb_sound(), Qt::Key_1, Qt::KeypadModifier);
    QTest::keyClick(form->chb_splashscreen(), Qt::Key_2);
    EXPECT_EQ(starts->count(), 0);
    EXPECT_TRUE(store.writes.empty());
}

TEST_F(SplashFormTest, ChoosingADriverShowsTheStartButton) {
    TSplashForm& f = make();
    f.cb_sound()->setCurrentIndex(1);
    EXPECT_EQ(f.chosen_mode(), 1);
    EXPECT_TRUE(play_shown());
    EXPECT_FALSE(disabled_look_shown());
    QTest::mouseClick(f.btn_play(), Qt::LeftButton);
    EXPECT_EQ(starts->count(), 1);
}

TEST_F(SplashFormTest, EscOrClosingBeforeAStartEndsWithoutStoring) {
    TSplashForm& f = make("0", "1");
    f.show();
    f.chb_splashscreen()->setChecked(false);
    QTest::keyClick(f.chb_splashscreen(), Qt::Key_Escape);
    EXPECT_EQ(quits->count(), 1);
    // Closed by the desktop before a start, the game would stay hidden for good.
    EXPECT_FALSE(f.close());
    EXPECT_EQ(quits->count(), 2);
    EXPECT_EQ(starts->count(), 0);
    EXPECT_TRUE(store.writes.empty());

    f.request_start();
    EXPECT_TRUE(f.close());
    EXPECT_EQ(quits->count(), 2);
}

TEST_F(SplashFormTest, StartActionRunsItsStepsInOrderAndStoresTheCheckBox) {
    TSplashForm& f = make("0", "1");
    f.show();
    EXPECT_TRUE(start());
    EXPECT_EQ(steps, (std::vector<std::string>{"sound 0", "menu ticked after SplashScreen=1",
                                               "game after SplashScreen=1"}));
    EXPECT_FALSE(f.isVisible());

    steps.clear();
    make("2", "1").show();
    QTest::mouseClick(form->chb_splashscreen(), Qt::LeftButton, {}, QPoint(6, 8));
    EXPECT_TRUE(start());
    EXPECT_EQ(steps, (std::vector<std::string>{"sound 2", "menu unticked after SplashScreen=0",
                                               "game after SplashScreen=0"}));
}

TEST_F(SplashFormTest, SkipPathStartsWithTheStoredDriver) {
    TSplashForm& f = make("1", "0");
    ASSERT_TRUE(f.skip_path());
    EXPECT_TRUE(start());
    EXPECT_EQ(steps.front(), "sound 1");
    EXPECT_EQ(store.writes, std::vector<std::string>{"SplashScreen=0"});
}

TEST_F(SplashFormTest, FailedSoundStartStopsTheAction) {
    // The sound start has reset the stored choice; the check box must not be stored over it.
    make("1", "0");
    EXPECT_FALSE(start(false));
    EXPECT_EQ(steps, std::vector<std::string>{"sound 1"});
    EXPECT_TRUE(store.writes.empty());
}

TEST_F(SplashFormTest, LinksOpenAndTheWindowStays) {
    // Outside the program folder no picture is found: the window still works.
    TSplashForm& f = make();
    f.show();
    f.grab();
    EXPECT_FALSE(f.btn_help()->has_picture());
    QTest::mouseClick(f.la_website_2(), Qt::LeftButton);
    QTest::mouseClick(f.la_email_2(), Qt::LeftButton);
    QTest::mouseClick(f.btn_help(), Qt::LeftButton);
    ASSERT_EQ(opened.size(), 3u);
    EXPECT_TRUE(opened[2].toLocalFile().endsWith("/Help/index.html"));
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(starts->count() + quits->count(), 0);
}

}  // namespace
}  // namespace gorvo::ui
