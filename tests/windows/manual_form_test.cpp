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
#include <cstdint>
#include <fstream>
#include <memory>
#include <vector>

#include "ui/windows/manual_form.h"

namespace gorvo::ui {
namespace {

void ensure_app() {
    if (QApplication::instance()) return;
    static int argc = 1;
    static char name[] = "window_tests";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);
}

void put_le(std::vector<char>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// A 24-bit BMP of one colour.
void write_bmp(const QString& file, int width, int height, QColor colour) {
    const int row = (width * 3 + 3) / 4 * 4;
    const auto image_size = static_cast<std::uint32_t>(row * height);
    std::vector<char> out;
    out.push_back('B');
    out.push_back('M');
    put_le(out, 54 + image_size, 4);
    put_le(out, 0, 4);
    put_le(out, 54, 4);
    put_le(out, 40, 4);
    put_le(out, static_cast<std::uint32_t>(width), 4);
    put_le(out, static_cast<std::uint32_t>(height), 4);
    put_le(out, 1, 2);
    put_le(out, 24, 2);
    for (int i = 0; i < 6; ++i)
        put_le(out, 0, 4);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            out.push_back(static_cast<char>(colour.blue()));
            out.push_back(static_cast<char>(colour.green()));
            out.push_back(static_cast<char>(colour.red()));
        }
        for (int pad = width * 3; pad < row; ++pad)
            out.push_back(0);
    }
    std::ofstream(file.toStdString(), std::ios::binary).write(out.data(), std::ssize(out));
}

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
        ensure_app();
        ASSERT_TRUE(dir.isValid());
        pages = dir.filePath(QStringLiteral("pages"));
        QDir().mkpath(pages);
        for (int page = 1; page <= 16; ++page) {
            write_bmp(QStringLiteral("%1/%2.bmp").arg(pages).arg(page), 20 + page, 10 + page,
                      page_colour(page));
        }
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
    void go_to(int page) {
        while (form->manual_page() < page)
            tap(Qt::Key_Right);
        while (form->manual_page() > page)
            tap(Qt::Key_Left);
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
    make();
    EXPECT_EQ(form->size(), QSize(560, 365));
    EXPECT_TRUE(form->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(form->windowFlags() & Qt::WindowStaysOnTopHint);
    form->open();
    EXPECT_EQ(form->manual_page(), 1);
    EXPECT_EQ(shown_page_number(), 1);
    EXPECT_EQ(form->shown_page().size(), QSize(21, 11));
    EXPECT_FALSE(shows(I::btn_left_up) || shows(I::btn_left_down));
    EXPECT_TRUE(shows(I::btn_right_up) && shows(I::btn_right_down) && shows(I::btn_close_up));
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(form->pos(),
              screen.topLeft() + QPoint((screen.width() - 560) / 2, (screen.height() - 365) / 2));
    EXPECT_EQ(form->state().rect(I::btn_right_up), (ManualRect{540, 347, 16, 14}));
    EXPECT_EQ(form->state().rect(I::btn_left_up), (ManualRect{4, 347, 16, 14}));
    EXPECT_EQ(form->state().rect(I::btn_close_up), (ManualRect{540, 4, 16, 14}));
}

TEST_F(ManualFormTest, ButtonsTurnOnReleaseAndStopAtTheLastPage) {
    make();
    form->open();
    QTest::mousePress(form.get(), Qt::LeftButton, {}, centre_of(I::btn_right_up));
    EXPECT_EQ(form->manual_page(), 1);
    EXPECT_FALSE(shows(I::btn_right_up));
    EXPECT_TRUE(shows(I::btn_right_down));
    QTest::mouseRelease(form.get(), Qt::LeftButton, {}, centre_of(I::btn_right_up));
    EXPECT_EQ(form->manual_page(), 2);
    EXPECT_EQ(shown_page_number(), 2);
    EXPECT_TRUE(shows(I::btn_left_up) && shows(I::btn_right_up));

    for (int i = 0; i < 14; ++i)
        click(I::btn_right_up);
    EXPECT_EQ(form->manual_page(), 16);
    EXPECT_EQ(shown_page_number(), 16);
    EXPECT_FALSE(shows(I::btn_right_up) || shows(I::btn_right_down));
    EXPECT_TRUE(shows(I::btn_left_up));
    click(I::btn_right_down);  // only page there now
    tap(Qt::Key_Right);
    EXPECT_EQ(form->manual_page(), 16);

    click(I::btn_left_up);
    EXPECT_EQ(form->manual_page(), 15);
    for (const I image : {I::btn_left_up, I::btn_left_down, I::btn_right_up, I::btn_right_down}) {
        EXPECT_TRUE(shows(image));
    }
    go_to(1);
    EXPECT_FALSE(shows(I::btn_left_up));
    tap(Qt::Key_Left);
    EXPECT_EQ(form->manual_page(), 1);
}

TEST_F(ManualFormTest, AHeldArrowKeyTurnsOnePage) {
    make();
    form->open();
    go_to(3);
    key(QEvent::KeyPress, Qt::Key_Right);
    for (int i = 0; i < 5; ++i) {
        key(QEvent::KeyRelease, Qt::Key_Right, true);  // the platform's auto-repeat pairs
        key(QEvent::KeyPress, Qt::Key_Right, true);
        EXPECT_FALSE(shows(I::btn_right_up));
    }
    EXPECT_EQ(form->manual_page(), 3);
    key(QEvent::KeyRelease, Qt::Key_Right);
    EXPECT_EQ(form->manual_page(), 4);
    EXPECT_TRUE(shows(I::btn_right_up));

    key(QEvent::KeyPress, Qt::Key_Left);
    key(QEvent::KeyPress, Qt::Key_Left, true);
    key(QEvent::KeyRelease, Qt::Key_Left);
    EXPECT_EQ(form->manual_page(), 3);
    // A release whose press this window never saw (the key went down elsewhere) turns nothing.
    key(QEvent::KeyRelease, Qt::Key_Left);
    EXPECT_EQ(form->manual_page(), 3);
}

TEST_F(ManualFormTest, TheReleaseBelongsToThePressedButtonWhereverThePointerIs) {
    make();
    form->open();
    go_to(2);
    const QPoint place = form->pos();
    QTest::mousePress(form.get(), Qt::LeftButton, {}, centre_of(I::btn_right_up));
    QTest::mouseMove(form.get(), QPoint(200, 150));
    QTest::mouseMove(form.get(), centre_of(I::btn_left_up));
    QTest::mouseRelease(form.get(), Qt::LeftButton, {}, centre_of(I::btn_left_up));
    EXPECT_EQ(form->manual_page(), 3);
    EXPECT_EQ(form->pos(), place);  // a button is no handle for dragging

    QTest::mousePress(form.get(), Qt::LeftButton, {}, centre_of(I::btn_close_up));
    EXPECT_FALSE(shows(I::btn_close_up));
    QTest::mouseRelease(form.get(), Qt::LeftButton, {}, QPoint(100, 100));
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(shows(I::btn_close_up));
    EXPECT_EQ(form->manual_page(), 3);
}

TEST_F(ManualFormTest, OtherMouseButtonsDoNothing) {
    make();
    form->open();
    go_to(5);
    const QPoint place = form->pos();
    for (const Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
        for (const I image : {I::btn_left_up, I::btn_right_up, I::btn_close_up}) {
            QTest::mousePress(form.get(), button, {}, centre_of(image));
            EXPECT_TRUE(shows(image));
            QTest::mouseRelease(form.get(), button, {}, centre_of(image));
        }
        QTest::mousePress(form.get(), button, {}, QPoint(100, 100));
        QTest::mouseMove(form.get(), QPoint(160, 130));
        QTest::mouseRelease(form.get(), button, {}, QPoint(160, 130));
    }
    EXPECT_EQ(form->manual_page(), 5);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->pos(), place);
}

TEST_F(ManualFormTest, ReopensOnTheLastPageWhereItWasDragged) {
    make();
    form->open();
    go_to(7);
    const QPoint start = form->pos();
    QTest::mousePress(form.get(), Qt::LeftButton, {}, QPoint(100, 100));
    QTest::mouseMove(form.get(), QPoint(130, 90));
    EXPECT_EQ(form->pos(), start + QPoint(30, -10));
    QTest::mouseMove(form.get(), QPoint(110, 120));  // the grabbed point stays under the pointer
    EXPECT_EQ(form->pos(), start + QPoint(40, 10));
    QTest::mouseRelease(form.get(), Qt::LeftButton, {}, QPoint(110, 120));
    const QPoint left_at = form->pos();

    key(QEvent::KeyPress, Qt::Key_Escape);
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(shows(I::btn_close_up));
    key(QEvent::KeyRelease, Qt::Key_Escape);
    EXPECT_FALSE(form->isVisible());

    form->open();
    EXPECT_EQ(form->manual_page(), 7);
    EXPECT_EQ(shown_page_number(), 7);
    EXPECT_EQ(form->pos(), left_at);
    EXPECT_TRUE(shows(I::btn_close_up) && shows(I::btn_left_up) && shows(I::btn_right_up));
}

TEST_F(ManualFormTest, HidingWhileAKeyIsHeldLeavesNoButtonLookingPressed) {
    make();
    form->open();
    go_to(16);
    key(QEvent::KeyPress, Qt::Key_Left);
    EXPECT_FALSE(shows(I::btn_left_up));
    click(I::btn_close_up);
    EXPECT_FALSE(form->isVisible());

    form->open();
    EXPECT_EQ(form->manual_page(), 16);
    EXPECT_TRUE(shows(I::btn_left_up));
    click(I::btn_left_up);  // the button answers the mouse again
    EXPECT_EQ(form->manual_page(), 15);
}

TEST_F(ManualFormTest, TakesItsSizeFromConfigAndKeepsTheButtonsAtTheEdges) {
    make(QStringLiteral("ManualWidth=800\nManualHeight=600\n"));
    form->open();
    EXPECT_EQ(form->size(), QSize(800, 600));
    EXPECT_EQ(form->state().rect(I::btn_close_up), (ManualRect{780, 4, 16, 14}));
    EXPECT_EQ(form->state().rect(I::btn_right_up), (ManualRect{780, 582, 16, 14}));
    EXPECT_EQ(form->state().rect(I::btn_left_up), (ManualRect{4, 582, 16, 14}));

    QTest::mouseClick(form.get(), Qt::LeftButton, {}, QPoint(781, 583));
    EXPECT_EQ(form->manual_page(), 2);
    QTest::mouseClick(form.get(), Qt::LeftButton, {}, QPoint(19, 595));
    EXPECT_EQ(form->manual_page(), 1);
    QTest::mouseClick(form.get(), Qt::LeftButton, {}, QPoint(795, 4));
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
    EXPECT_TRUE(form->unreadable_pages().empty());
    for (int page = 1; page <= 16; ++page)
        EXPECT_TRUE(is_placeholder(form->page_picture(page)));
    form->open();
    go_to(16);
    EXPECT_EQ(form->manual_page(), 16);
    EXPECT_TRUE(is_placeholder(form->shown_page()));
    EXPECT_FALSE(shows(I::btn_right_up));
}

TEST_F(ManualFormTest, PaintsThePageItsOutlineAndTheButtons) {
    make();
    form->open();
    go_to(2);
    QTest::mousePress(form.get(), Qt::LeftButton, {}, centre_of(I::btn_right_up));
    const QImage shot = form->grab().toImage();
    QTest::mouseRelease(form.get(), Qt::LeftButton, {}, centre_of(I::btn_right_up));

    EXPECT_EQ(shot.pixelColor(0, 0), QColor(Qt::black));
    EXPECT_EQ(shot.pixelColor(559, 200), QColor(Qt::black));
    EXPECT_EQ(shot.pixelColor(5, 5), page_colour(2));
    EXPECT_EQ(shot.pixelColor(100, 100), QColor(Qt::white));  // beyond the page picture
    // Each button shows its look: released ones raised, the held one sunken.
    const auto look_at = [&shot](const ManualRect& r) {
        return shot.copy(r.left, r.top, r.width, r.height);
    };
    const QImage close = look_at(form->state().rect(I::btn_close_up));
    const QImage previous = look_at(form->state().rect(I::btn_left_up));
    const QImage next = look_at(form->state().rect(I::btn_right_up));
    EXPECT_NE(close, previous);
    EXPECT_NE(previous, next);
    EXPECT_EQ(previous.pixelColor(0, 0), QColor(Qt::white));  // raised: lit top left
    EXPECT_NE(next.pixelColor(0, 0), QColor(Qt::white));      // sunken
}

}  // namespace
}  // namespace gorvo::ui
