// The picture files of the shipped skin: present, decodable, of the size they are drawn at,
// with an alpha channel, and never showing the window's see-through colour.
#include <gtest/gtest.h>

#include <QImage>
#include <vector>

#include "skin_folder.h"

namespace gorvo::test {
namespace {

struct Named {
    ImageId id;
    QImage picture;
};

// Every skin image that names a picture, decoded once for all tests of this file.
const std::vector<Named>& named_pictures() {
    static const std::vector<Named> all = [] {
        std::vector<Named> out;
        for (ImageId id : kSkinImages) {
            const auto name =
                shipped_config().find("Image" + std::to_string(section_of(id)), "Filename");
            if (name && *name != "nil") out.push_back({id, skin_picture(id)});
        }
        return out;
    }();
    return all;
}

int count_pixels(const QImage& image, bool (*test)(QRgb)) {
    const QImage straight = image.convertToFormat(QImage::Format_ARGB32);
    int n = 0;
    for (int y = 0; y < straight.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(straight.constScanLine(y));
        for (int x = 0; x < straight.width(); ++x)
            n += test(line[x]) ? 1 : 0;
    }
    return n;
}

TEST(SkinPictures, EveryPictureHasADoubleSizeCompanion) {
    // 147 images less the four digit positions, which name no picture.
    ASSERT_EQ(named_pictures().size(), 143u);
    for (const Named& p : named_pictures()) {
        SCOPED_TRACE(name_of(p.id));
        ASSERT_FALSE(p.picture.isNull());
        const QImage twice = skin_picture_at(p.id, 2);
        ASSERT_FALSE(twice.isNull());
        EXPECT_TRUE(twice.hasAlphaChannel());
        EXPECT_EQ(twice.size(), p.picture.size() * 2);
    }
}

TEST(SkinPictures, NoVisiblePixelHasTheSeeThroughColour) {
    for (const Named& p : named_pictures()) {
        const int keyed = count_pixels(p.picture, [](QRgb c) {
            return qAlpha(c) > 0 && qRed(c) == 255 && qGreen(c) == 0 && qBlue(c) == 255;
        });
        EXPECT_EQ(keyed, 0) << name_of(p.id);
    }
}

TEST(SkinPictures, CaseOutlineHasNoHalfTransparentEdge) {
    // Over the see-through background a half-transparent edge pixel would blend into a
    // coloured fringe around the unit in windowed mode.
    for (ImageId id : {im_background_open, im_background_closed}) {
        const int soft =
            count_pixels(skin_picture(id), [](QRgb c) { return qAlpha(c) > 0 && qAlpha(c) < 255; });
        EXPECT_EQ(soft, 0) << name_of(id);
    }
}

TEST(SkinPictures, CasePicturesLeaveTheDesktopVisibleAroundTheUnit) {
    for (ImageId id : {im_background_open, im_background_closed}) {
        const QImage picture = skin_picture(id);
        ASSERT_FALSE(picture.isNull());
        EXPECT_EQ(qAlpha(picture.pixel(0, 0)), 0) << name_of(id);
        EXPECT_EQ(qAlpha(picture.pixel(604, 747)), 0) << name_of(id);
        EXPECT_EQ(qAlpha(picture.pixel(302, 600)), 255) << name_of(id);
    }
    // Closed, only the lid is there: the upper half of the window is empty.
    EXPECT_EQ(qAlpha(skin_picture(im_background_closed).pixel(302, 150)), 0);
    EXPECT_EQ(qAlpha(skin_picture(im_background_open).pixel(302, 150)), 255);
}

TEST(SkinPictures, EverySegmentAndPressedLookShowsSomething) {
    for (const Named& p : named_pictures()) {
        const std::string name = name_of(p.id);
        if (!is_segment(p.id) && name.find("_down") == std::string::npos) continue;
        const int solid = count_pixels(p.picture, [](QRgb c) { return qAlpha(c) >= 128; });
        EXPECT_GE(solid, 12) << name;
    }
}

}  // namespace
}  // namespace gorvo::test
