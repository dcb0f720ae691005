// The sixteen manual pages as the build puts them into the program folder.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QSet>
#include <QString>

namespace {

QString page_path(int n) {
    return QStringLiteral(GORVO_PROGRAM_DIR "/Graphics/Manual/%1.bmp").arg(n);
}

// Bits per pixel as the file's own header states it.
int bmp_bits(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return -1;
    const QByteArray head = f.read(30);
    if (head.size() < 30 || !head.startsWith("BM")) return -1;
    return static_cast<unsigned char>(head[28]) | static_cast<unsigned char>(head[29]) << 8;
}

// True when every row of the rectangle is one colour: nothing is drawn there but the page's own
// background, which the window's buttons may cover.
bool plain(const QImage& img, const QRect& r) {
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left() + 1; x <= r.right(); ++x)
            if (img.pixel(x, y) != img.pixel(r.left(), y)) return false;
    return true;
}

TEST(ShippedManual, HasSixteen24BitPagesOfTheWindowsSize) {
    for (int n = 1; n <= 16; ++n) {
        SCOPED_TRACE(n);
        EXPECT_EQ(bmp_bits(page_path(n)), 24);
        QImageReader reader(page_path(n), "bmp");
        EXPECT_EQ(reader.size(), QSize(560, 365));
    }
    EXPECT_FALSE(QFile::exists(page_path(17)));
}

TEST(ShippedManual, PagesAreDifferentAndLeaveTheButtonCornersFree) {
    QSet<QByteArray> seen;
    for (int n = 1; n <= 16; ++n) {
        SCOPED_TRACE(n);
        const QImage img(page_path(n), "bmp");
        ASSERT_FALSE(img.isNull());
        const QByteArray bytes(reinterpret_cast<const char*>(img.constBits()),
                               static_cast<int>(img.sizeInBytes()));
        EXPECT_FALSE(seen.contains(bytes)) << "page " << n << " repeats an earlier page";
        seen.insert(bytes);
        // Close button top right, page-turn buttons bottom left and right (16 × 14, 4 from the
        // edges), with a pixel of room around them.
        EXPECT_TRUE(plain(img, QRect(538, 2, 20, 18)));
        EXPECT_TRUE(plain(img, QRect(2, 345, 20, 18)));
        EXPECT_TRUE(plain(img, QRect(538, 345, 20, 18)));
        // A page is not blank: a good share of it is text or picture.
        int ink = 0;
        const QRgb paper = img.pixel(300, 340);
        for (int y = 50; y < 340; y += 2)
            for (int x = 0; x < 560; x += 2)
                ink += img.pixel(x, y) != paper;
        EXPECT_GT(ink, 2000);
    }
}

}  // namespace
