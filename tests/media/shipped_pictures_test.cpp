// The pictures of the start-up and About windows as the build puts them into the program folder.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QString>

namespace {

QString shipped(const char* name) {
    return QString(GORVO_PROGRAM_DIR) + "/" + name;
}

QImage load(const char* name, const char* format) {
    QImageReader reader(shipped(name), format);  // refuse a file in another format
    return reader.read();
}

TEST(ShippedPictures, HaveTheSizesTheWindowsReserveForThem) {
    struct Case {
        const char* name;
        const char* format;
        int width, height;
    };
    const Case cases[] = {
        {"Graphics/Splash/background.png", "png", 460, 420},
        {"Graphics/Splash/box.jpg", "jpeg", 460, 160},
        {"Graphics/Splash/play.png", "png", 107, 30},
        {"Graphics/Splash/play_disabled.png", "png", 107, 30},
        {"Graphics/Splash/link.png", "png", 107, 30},
        {"Graphics/About/picture.png", "png", 116, 160},
    };
    for (const auto& c : cases) {
        const QImage img = load(c.name, c.format);
        ASSERT_FALSE(img.isNull()) << c.name;
        EXPECT_EQ(img.size(), QSize(c.width, c.height)) << c.name;
    }
}

// The buttons sit on the window's background: rounded, with see-through corners, and the
// disabled look must not be mistaken for the enabled one.
TEST(ShippedPictures, ButtonsAreRoundedAndTheDisabledLookIsDifferent) {
    const QImage play = load("Graphics/Splash/play.png", "png");
    const QImage disabled = load("Graphics/Splash/play_disabled.png", "png");
    const QImage help = load("Graphics/Splash/link.png", "png");
    for (const QImage* b : {&play, &disabled, &help}) {
        ASSERT_EQ(b->size(), QSize(107, 30));
        EXPECT_EQ(qAlpha(b->pixel(0, 0)), 0);
        EXPECT_EQ(qAlpha(b->pixel(106, 29)), 0);
        EXPECT_EQ(qAlpha(b->pixel(53, 15)), 255);
    }
    EXPECT_NE(play, disabled);
    EXPECT_NE(play, help);
    // Disabled is grey: no strong colour anywhere in its face.
    const QColor mid = disabled.pixelColor(80, 8);
    EXPECT_LT(std::abs(mid.red() - mid.green()) + std::abs(mid.green() - mid.blue()), 12);
}

TEST(ShippedPictures, SplashBackgroundIsOpaqueAndKeepsTheCheckBoxRowNavy) {
    const QImage bg = load("Graphics/Splash/background.png", "png");
    ASSERT_FALSE(bg.isNull());
    EXPECT_FALSE(bg.hasAlphaChannel() && bg.pixelColor(0, 0).alpha() < 255);
    // The check box at 12, 391 has a navy background of its own; the picture must match it.
    EXPECT_EQ(bg.pixelColor(6, 400), QColor(8, 41, 82));
    EXPECT_EQ(bg.pixelColor(455, 415), QColor(8, 41, 82));
}

TEST(ShippedPictures, AboutPictureShowsSomethingOnAClearGround) {
    const QImage about = load("Graphics/About/picture.png", "png");
    ASSERT_FALSE(about.isNull());
    int opaque = 0;
    for (int y = 0; y < about.height(); ++y)
        for (int x = 0; x < about.width(); ++x)
            opaque += qAlpha(about.pixel(x, y)) == 255;
    EXPECT_GT(opaque, about.width() * about.height() / 2);
}

}  // namespace
