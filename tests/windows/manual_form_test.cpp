// The manual viewer: pages read from the [Manual] folder, page turning by buttons and keys on
// release, the close button and Esc, dragging by the page, and the window's size and place.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "support/qt/test_app.h"
#include "ui/windows/manual_form.h"

namespace gorvo::ui {
namespace {

// Page n is (20 + n) x (10 + n) pixels of its own colour, so a shown page tells its number.
QColor page_colour(int page) {
    return QColor(page * 15, 255 - page * 15, 100);
}

bool is_placeholder(const QImage& image) {
    return image.size() == QSize(10, 10) && image.pixelColor(0, 0) == QColor(Qt::black) &&
           image.pixelColor(5, 5) == QColor(Qt::red);
}

using I = ManualImage;

class ManualFormTest : public ::testing::Test {
  protected:
    void SetUp() override {
        test::ensure_qt_app();
        ASSERT_TRUE(dir.isValid());
        pages = dir.filePath(QStringLiteral("pages"));
        QDir().mkpath(pages);
        for (int page = 1; page <= 16; ++page) {
            QImage picture(20 + page, 10 + page, QImage::Format_RGB32);
            picture.fill(page_colour(page));
            ASSERT_TRUE(picture.save(QStringLiteral("%1/%2.bmp").arg(pages).arg(page), "BMP"));
        }
        make();
    }

    void make(const QString& manual_keys = {}) {
        const QString config = dir.filePath(QStringLiteral("Config.ini"));
        QFile file(config);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QStringLiteral("[Manual]\nManualDir=%1\n%2").arg(pages, manual_keys).toUtf8());
        file.close();
        form = std::make_unique<ManualForm>(config.toStdString());
    }

    QPoint centre_of(I image) const {
        const ManualRect r = form->state().rect(image);
        return {r.left + r.width / 2, r.top + r.height / 2};
    }
    void click(I image) { QTest::mouseClick(form.get(), Qt::LeftButton, {}, centre_of(image)); }
    void key(QEvent::Type type, int qt_key, bool repeat = false) {
        QKeyEvent event(type, qt_key, Qt::NoModifier, QString(), repeat);
        QApplication::sendEvent(form.get(), &event);
    }
    void tap(int qt_key) {
        key(QEvent::KeyPress, qt_key);
        key(QEvent::KeyRelease, qt_key);
    }
    void open_on(int page) {
        form->open();
        go_to(page);
    }
    // By the arrow keys; a viewer that does not turn leaves the test on the wrong page.
    void go_to(int page) {
        for (int i = 0; i < 32 && form->manual_page() != page; ++i) {
            tap(form->manual_page() < page ? Qt::Key_Right : Qt::Key_Left);
        }
        ASSERT_EQ(form->manual_page(), page);
    }
    bool shows(I image) const { return form->state().visible(image); }
    int shown_page_number() const {
        for (int page = 1; page <= 16; ++page) {
            if (form->shown_page().pixelColor(0, 0) == page_colour(page)) return page;
        }
        return 0;
    }

    QTemporaryDir dir;
    QString pages;
    std::unique_ptr<ManualForm> form;
};

TEST_F(ManualFormTest, OpensCentredOnPageOneWithOnlyTheNextButton) {
    EXPECT_EQ(form->size(), QSize(560, 365));
    EXPECT_TRUE(form->windowFlags() & Qt::WindowStaysOnTopHint);
    form->open();
    EXPECT_EQ(shown_page_number(), 1);
    EXPECT_FALSE(shows(I::btn_left_up) || shows(I::btn_left_down));
    EXPECT_TRUE(shows(I::btn_right_up) && shows(I::btn_close_up));
    EXPECT_EQ(form->state().rect(I::btn_right_up), (ManualRect{540, 347, 16, 14}));
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(form->pos(),
              screen.topLeft() + QPoint((screen.width() - 560) / 2, (screen.height() - 365) / 2));
}

TEST_F(ManualFormTest, PagesTurnOnReleaseAndNeverLeaveOneToSixteen) {
    form->open();
    QTest::mousePress(form.get(), Qt::LeftButton, {}, centre_of(I::btn_right_up));
    EXPECT_EQ(form->manual_page(), 1);
    EXPECT_FALSE(shows(I::btn_right_up));
    QTest::mouseRelease(form.get(), Qt::LeftButton, {}, centre_of(I::btn_right_up));
    EXPECT_EQ(shown_page_number(), 2);
    EXPECT_TRUE(shows(I::btn_left_up) && shows(I::btn_right_up));

    go_to(16);
    EXPECT_FALSE(shows(I::btn_right_up) || shows(I::btn_right_down));
    click(I::btn_right_up);  // only the page is there now
    tap(Qt::Key_Right);
    EXPECT_EQ(shown_page_number(), 16);
    click(I::btn_left_up);
    EXPECT_EQ(form->manual_page(), 15);
    EXPECT_TRUE(shows(I::btn_right_up) && shows(I::btn_right_down) && shows(I::btn_left_up));
    // The previous-page button held by the mouse while its key turns to page 1 first.
    go_to(2);
    QTest::mousePress(form.get(), Qt::LeftButton, {}, centre_of(I::btn_left_up));
    tap(Qt::Key_Left);
    QTest::mouseRelease(form.get(), Qt::LeftButton, {}, centre_of(I::btn_left_up));
    tap(Qt::Key_Left);
    EXPECT_EQ(shown_page_number(), 1);
    EXPECT_FALSE(shows(I::btn_left_up));
}

TEST_F(ManualFormTest, AHeldArrowKeyTurnsOnePage) {
    open_on(3);
    key(QEvent::KeyPress, Qt::Key_Right);
    for (int i = 0; i < 5; ++i) {
        key(QEvent::KeyRelease, Qt::Key_Right, true);  // the platform's auto-repeat pairs
        key(QEvent::KeyPress, Qt::Key_Right, true);
    }
    EXPECT_FALSE(shows(I::btn_right_up));
    EXPECT_EQ(form->manual_page(), 3);
    key(QEvent::KeyRelease, Qt::Key_Right);
    EXPECT_EQ(form->manual_page(), 4);
    EXPECT_TRUE(shows(I::btn_right_up));
    // A release whose press went to another window turns nothing.
    key(QEvent::KeyRelease, Qt::Key_Right);
    EXPECT_EQ(form->manual_page(), 4);
}

TEST_F(ManualFormTest, TheReleaseBelongsToThePressedButtonAndOnlyTheLeftButtonCounts) {
    open_on(2);
    const QPoint place = form->pos();
    QTest::mousePress(form.get(), Qt::LeftButton, {}, centre_of(I::btn_right_up));
    QTest::mouseMove(form.get(), centre_of(I::btn_left_up));
    QTest::mouseRelease(form.get(), Qt::LeftButton, {}, centre_of(I::btn_left_up));
    EXPECT_EQ(form->manual_page(), 3);
    EXPECT_EQ(form->pos(), place);  // a button is no handle for dragging

    for (const QPoint at :
         {centre_of(I::btn_right_up), centre_of(I::btn_close_up), QPoint(99, 99)}) {
        QTest::mousePress(form.get(), Qt::RightButton, {}, at);
        QTest::mouseMove(form.get(), at + QPoint(40, 30));
        QTest::mouseRelease(form.get(), Qt::RightButton, {}, at + QPoint(40, 30));
    }
    EXPECT_EQ(form->manual_page(), 3);
    EXPECT_TRUE(form->isVisible() && shows(I::btn_close_up) && shows(I::btn_right_up));
    EXPECT_EQ(form->pos(), place);

    QTest::mousePress(form.get(), Qt::LeftButton, {}, centre_of(I::btn_close_up));
    EXPECT_FALSE(shows(I::btn_close_up));
    QTest::mouseRelease(form.get(), Qt::LeftButton, {}, QPoint(100, 100));
    EXPECT_FALSE(form->isVisible());
}

TEST_F(ManualFormTest, ReopensOnTheLastPageWhereItWasDraggedTo) {
    open_on(16);
    const QPoint start = form->pos();
    QTest::mousePress(form.get(), Qt::LeftButton, {}, QPoint(100, 100));
    QTest::mouseMove(form.get(), QPoint(130, 90));
    QTest::mouseMove(form.get(), QPoint(110, 120));  // the grabbed point stays under the pointer
    QTest::mouseRelease(form.get(), Qt::LeftButton, {}, QPoint(110, 120));
    EXPECT_EQ(form->pos(), start + QPoint(40, 10));

    key(QEvent::KeyPress, Qt::Key_Left);  // held while the window closes
    key(QEvent::KeyPress, Qt::Key_Escape);
    EXPECT_FALSE(shows(I::btn_close_up));
    key(QEvent::KeyRelease, Qt::Key_Escape);
    EXPECT_FALSE(form->isVisible());

    form->open();
    EXPECT_EQ(shown_page_number(), 16);
    EXPECT_EQ(form->pos(), start + QPoint(40, 10));
    EXPECT_TRUE(shows(I::btn_close_up) && shows(I::btn_left_up));
    click(I::btn_left_up);
    EXPECT_EQ(form->manual_page(), 15);
}

TEST_F(ManualFormTest, TakesItsSizeFromConfigAndKeepsTheButtonsAtTheEdges) {
    make(QStringLiteral("ManualWidth=800\nManualHeight=600\n"));
    form->open();
    EXPECT_EQ(form->size(), QSize(800, 600));
    QTest::mouseClick(form.get(), Qt::LeftButton, {}, QPoint(779, 582));  // beside it: the page
    EXPECT_EQ(form->manual_page(), 1);
    QTest::mouseClick(form.get(), Qt::LeftButton, {}, QPoint(780, 582));  // next page, 16 x 14
    EXPECT_EQ(form->manual_page(), 2);
    QTest::mouseClick(form.get(), Qt::LeftButton, {}, QPoint(19, 595));  // previous page
    EXPECT_EQ(form->manual_page(), 1);
    EXPECT_EQ(form->state().rect(I::btn_left_up), (ManualRect{4, 582, 16, 14}));
    QTest::mouseClick(form.get(), Qt::LeftButton, {}, QPoint(780, 4));  // close
    EXPECT_FALSE(form->isVisible());
}

TEST_F(ManualFormTest, MissingOrBrokenPagesShowThePlaceholder) {
    QFile::remove(QStringLiteral("%1/4.bmp").arg(pages));
    QFile broken(QStringLiteral("%1/9.bmp").arg(pages));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("BM not a picture");
    broken.close();
    make();
    EXPECT_TRUE(is_placeholder(form->page_picture(4)));
    EXPECT_TRUE(is_placeholder(form->page_picture(9)));
    EXPECT_EQ(form->page_picture(5).pixelColor(0, 0), page_colour(5));
    ASSERT_EQ(form->unreadable_pages().size(), 1u);
    EXPECT_TRUE(form->unreadable_pages()[0].contains(QStringLiteral("9.bmp")));

    pages = dir.filePath(QStringLiteral("no such folder"));
    make();
    for (int page = 1; page <= 16; ++page)
        EXPECT_TRUE(is_placeholder(form->page_picture(page)));
    open_on(16);
    EXPECT_TRUE(is_placeholder(form->shown_page()));
}

TEST_F(ManualFormTest, PaintsThePageItsOutlineAndTheButtonLooks) {
    open_on(2);
    QTest::mousePress(form.get(), Qt::LeftButton, {}, centre_of(I::btn_right_up));
    const QImage shot = form->grab().toImage();
    EXPECT_EQ(shot.pixelColor(0, 0), QColor(Qt::black));
    EXPECT_EQ(shot.pixelColor(559, 200), QColor(Qt::black));
    EXPECT_EQ(shot.pixelColor(5, 5), page_colour(2));
    EXPECT_EQ(shot.pixelColor(100, 100), QColor(Qt::white));  // beyond the page picture
    const auto look = [&](I image) {
        const ManualRect r = form->state().rect(image);
        return shot.copy(r.left, r.top, r.width, r.height);
    };
    EXPECT_NE(look(I::btn_close_up), look(I::btn_left_up));
    EXPECT_EQ(look(I::btn_left_up).pixelColor(0, 0), QColor(Qt::white));   // raised
    EXPECT_NE(look(I::btn_right_up).pixelColor(0, 0), QColor(Qt::white));  // held: sunken
}

}  // namespace
}  // namespace gorvo::ui
