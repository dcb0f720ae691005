// The About window: shown without blocking the game, above it; Esc hides it; its links open
// their address and hide it; it comes back where the player left it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <memory>
#include <vector>

#include "support/qt/test_app.h"
#include "ui/windows/about_form.h"
#include "ui/windows/links.h"

namespace gorvo::ui {
namespace {

class AboutFormTest : public ::testing::Test {
  protected:
    void SetUp() override {
        test::ensure_qt_app();
        form = std::make_unique<TAboutForm>([this](const QUrl& url) { opened.push_back(url); });
    }

    std::vector<QUrl> opened;
    std::unique_ptr<TAboutForm> form;
};

TEST_F(AboutFormTest, ShowsWithoutBlockingAndStaysOnTop) {
    form->show_about();  // returns at once: the game goes on behind it
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(form->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    form->show_about();  // a second F1 leaves one window open
    EXPECT_TRUE(form->isVisible());
}

TEST_F(AboutFormTest, EscHidesIt) {
    form->show_about();
    QTest::keyClick(form.get(), Qt::Key_A);
    EXPECT_TRUE(form->isVisible());
    QTest::keyClick(form.get(), Qt::Key_Escape);
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(opened.empty());
}

TEST_F(AboutFormTest, EachLinkOpensItsAddressAndHidesTheWindow) {
    const struct {
        LinkLabel* label;
        QUrl url;
    } links[] = {{form->la_website_2(), project_link().url},
                 {form->la_email_2(), contact_link().url}};
    for (const auto& link : links) {
        opened.clear();
        form->show_about();
        QTest::mouseClick(link.label, Qt::LeftButton);
        ASSERT_EQ(opened.size(), 1u);
        EXPECT_EQ(opened[0], link.url);
        EXPECT_FALSE(form->isVisible());
    }
}

TEST_F(AboutFormTest, APressThatLeavesTheLinkOpensNothing) {
    form->show_about();
    LinkLabel* link = form->la_website_2();
    QTest::mousePress(link, Qt::LeftButton);
    QTest::mouseRelease(link, Qt::LeftButton, {}, QPoint(link->width() + 20, 5));
    QTest::mouseClick(link, Qt::RightButton);
    EXPECT_TRUE(opened.empty());
    EXPECT_TRUE(form->isVisible());
}

TEST_F(AboutFormTest, CentredTheFirstTimeThenWhereItWasLeft) {
    form->show_about();
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(form->pos(), QPoint(screen.x() + (screen.width() - form->width()) / 2,
                                  screen.y() + (screen.height() - form->height()) / 2));
    form->move(40, 30);
    QTest::keyClick(form.get(), Qt::Key_Escape);
    form->show_about();
    EXPECT_EQ(form->pos(), QPoint(40, 30));
}

}  // namespace
}  // namespace gorvo::ui
