// Link targets and their captions, the keys the splash window acts on, and what the splash and
// About windows take from the program folder: their pictures and the help pages.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "support/fakes.h"
#include "support/qt/test_app.h"
#include "ui/windows/links.h"
#include "ui/windows/splash_form.h"
#include "ui/windows/splash_keys.h"

#ifndef GORVO_PROGRAM_DIR
#error "the build names the program folder for this test"
#endif

namespace gorvo::ui {
namespace {

TEST(LinkTargets, AddressesStayFileNamesResolveAgainstTheWorkingDirectory) {
    const QString here = QDir::current().absolutePath();
    const struct {
        const char* target;
        QString url;
    } cases[] = {
        {"https://example.org/gorvo250/", "https://example.org/gorvo250/"},
        {"mailto:someone@example.org", "mailto:someone@example.org"},
        {"  someone@example.org ", "mailto:someone@example.org"},
        {"Help/a b.html", QUrl::fromLocalFile(here + "/Help/a b.html").toString()},
        {"/usr/share/doc/x.html", "file:///usr/share/doc/x.html"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(link_url(c.target).toString(), c.url) << c.target;
    EXPECT_FALSE(link_url("  ").isValid());
}

TEST(LinkTargets, CaptionsShowAddressesButNotLocalPaths) {
    const QString fallback = "how to report a problem";
    EXPECT_EQ(link_caption("https://example.org/gorvo250/", fallback), "example.org/gorvo250");
    EXPECT_EQ(link_caption("mailto:someone@example.org", fallback), "someone@example.org");
    EXPECT_EQ(link_caption("someone@example.org", fallback), "someone@example.org");
    EXPECT_EQ(link_caption("Help/contact.html", fallback), fallback);
}

TEST(SplashKeys, EnterAndTheMainRowOneStartEscEnds) {
    constexpr quint32 kRow1 = 10, kKeypad1 = 87;  // XKB key codes
    const struct {
        int key;
        Qt::KeyboardModifiers mods;
        quint32 scan;
        bool xkb;
        SplashKey expected;
    } cases[] = {
        {Qt::Key_Return, {}, 36, true, SplashKey::Start},
        {Qt::Key_Enter, Qt::KeypadModifier, 104, true, SplashKey::Start},
        // Shift+1 on a US layout, and the same key on a layout whose digit row starts with '&'.
        {Qt::Key_Exclam, Qt::ShiftModifier, kRow1, true, SplashKey::Start},
        {Qt::Key_Ampersand, {}, kRow1, true, SplashKey::Start},
        {Qt::Key_1, {}, 0, false, SplashKey::Start},
        {Qt::Key_1, Qt::KeypadModifier, kKeypad1, true, SplashKey::Other},
        {Qt::Key_1, Qt::KeypadModifier, 0, false, SplashKey::Other},
        {Qt::Key_2, {}, kRow1 + 1, true, SplashKey::Other},
        {Qt::Key_Escape, {}, 9, true, SplashKey::Quit},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(splash_key(c.key, c.mods, c.scan, c.xkb), c.expected) << c.key << " " << c.scan;
    }
}

// Run in the program folder, as every launcher starts the program.
class InProgramFolder : public ::testing::Test {
  protected:
    void SetUp() override {
        test::ensure_qt_app();
        previous_ = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(GORVO_PROGRAM_DIR));
    }
    void TearDown() override { QDir::setCurrent(previous_); }

  private:
    QString previous_;
};

TEST_F(InProgramFolder, LinksLeadToPagesThatShip) {
    for (const Link& link : {project_link(), contact_link(), help_link()}) {
        SCOPED_TRACE(link.url.toString().toStdString());
        EXPECT_FALSE(link.caption.isEmpty());
        // A web or mail address is the packager's choice; a local page must be in the folder.
        ASSERT_TRUE(link.url.isValid());
        if (link.url.isLocalFile()) {
            EXPECT_TRUE(QFile::exists(link.url.toLocalFile()));
        }
    }
    for (const char* page : {"Help/index.html", "Help/contact.html"}) {
        QFile file(page);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << page;
        const QString text = QString::fromUtf8(file.readAll());
        EXPECT_TRUE(text.contains("Gorvo250 " + release_version())) << page;
        EXPECT_FALSE(text.contains("@PROJECT")) << page;
    }
}

TEST_F(InProgramFolder, SplashButtonsFindTheirPictures) {
    test::MemorySettings store;
    TSplashForm splash(store, {});
    EXPECT_TRUE(splash.btn_play()->has_picture());
    EXPECT_TRUE(splash.btn_play_disabled()->has_picture());
    EXPECT_TRUE(splash.btn_help()->has_picture());
}

}  // namespace
}  // namespace gorvo::ui
