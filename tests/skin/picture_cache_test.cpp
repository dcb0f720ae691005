// The cache of decoded skin pictures: an unchanged skin comes from it with the very pictures a
// decode gives, a changed picture file or a damaged cache file (in every way the picture tests
// damage pictures) is never believed, and the cache is then written anew; pictures held back for
// hidden images come afterwards, in order.
#include <gtest/gtest.h>

#include <fstream>
#include <random>

#include "decode_test_support.h"
#include "loader_fixture.h"
#include "skin/fast_hash.h"
#include "skin/picture_cache.h"

namespace gorvo::skin::test {
namespace {

using gorvo::test::BmpFields;
using gorvo::test::make_bmp;
using gorvo::test::read_bytes;

// [Image1] is the closed case, shown at start; the other images are hidden.
const char* const kConfig =
    "[Common]\nSkinDir=skin\n[Image1]\nFilename=case.png\n[Image2]\nFilename=open.jpg\n"
    "[Image3]\nFilename=screen.png\n[Image4]\nFilename=gone.png\n[Image5]\nFilename=key.bmp\n";
constexpr int kFiles = 4;  // Image4 names no file: the placeholder

void write_file(const fs::path& file, const std::vector<std::uint8_t>& bytes) {
    std::ofstream(file, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

// A 4 x 2 bitmap of one colour: any colour gives a file of the same size.
std::vector<std::uint8_t> plain_bmp(std::uint8_t red) {
    BmpFields bmp;
    bmp.width = 4;
    bmp.height = 2;
    bmp.pixels.assign(2 * 12, 0);
    for (std::size_t i = 2; i < bmp.pixels.size(); i += 3)
        bmp.pixels[i] = red;
    return make_bmp(bmp);
}

class PictureCacheTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder.add_picture(kAlphaPng, "skin/case.png");
        folder.add_picture(kOpaqueJpeg, "skin/open.jpg");
        folder.add_picture("png/basi3p04.png", "skin/screen.png");
        folder.add_picture("png/basn6a08.png", "skin/case@2x.png");  // not twice the size
        write_file(folder.root() / "skin/key.bmp", plain_bmp(200));
        folder.write_config(kConfig);
        fs::current_path(folder.root());
        reference.load(folder, false);
        ASSERT_EQ(reference.result.status, SkinLoadResult::Status::Ok) << reference.result.message;
    }
    void TearDown() override { fs::current_path(old_cwd); }

    Loaded load(PictureCache& cache) {
        Loaded run;
        run.result =
            Gfx_Load_Skin(folder.config(), false, {1024, 768}, run.layout, run.images, &cache);
        return run;
    }
    // A first load through a fresh cache: everything decoded, the cache written.
    std::vector<std::uint8_t> written_cache() {
        PictureCache first(cache_file);
        load(first);
        EXPECT_EQ(first.decoded(), kFiles);
        return read_bytes(cache_file);
    }
    // The same pictures as a decode gives, image for image.
    void expect_as_decoded(const Loaded& run, std::vector<int> images = {1, 2, 3, 4, 5}) {
        for (int n : images) {
            SCOPED_TRACE(n);
            const PicturePtr& got = run.image(n).picture;
            const PicturePtr& want = reference.image(n).picture;
            ASSERT_TRUE(got && want);
            EXPECT_EQ(got->width, want->width);
            EXPECT_EQ(got->height, want->height);
            EXPECT_EQ(got->has_alpha, want->has_alpha);
            EXPECT_TRUE(got->rgba == want->rgba);
            EXPECT_EQ(got->hires != nullptr, want->hires != nullptr);
            EXPECT_EQ(run.kind(n), reference.kind(n));
        }
    }

    const fs::path old_cwd = fs::current_path();
    SkinFolder folder;
    Loaded reference;  // decoded, without a cache
    fs::path cache_file = folder.root() / "cache/Gorvo250/pictures";
};

TEST(FastHash, IsXxh64) {
    std::vector<std::uint8_t> bytes(100);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>(i * 7 + 3);
    // Reference values of the algorithm's own implementation, for every way through it.
    const std::pair<std::size_t, std::uint64_t> known[] = {
        {0, 0xef46db3751d8e999},  {3, 0x31d2363f52e564c9},  {4, 0x9bb64b7d66ee9fda},
        {13, 0xf78b031308f5bfc8}, {31, 0xa2aa5f33cc4a6119}, {32, 0x23c3c17ef790fd97},
        {100, 0xa61f8d4c170fe531}};
    for (const auto& [size, hash] : known)
        EXPECT_EQ(fast_hash({bytes.data(), size}), hash) << size;
}

TEST_F(PictureCacheTest, AnUnchangedSkinComesFromTheCacheWithTheDecodedPictures) {
    const std::vector<std::uint8_t> written = written_cache();
    ASSERT_FALSE(written.empty());
    PictureCache next(cache_file);
    const Loaded run = load(next);
    EXPECT_EQ(next.taken_from_cache(), kFiles);
    EXPECT_EQ(next.decoded(), 0);
    expect_as_decoded(run);
    EXPECT_EQ(read_bytes(cache_file), written);  // nothing to write
}

TEST_F(PictureCacheTest, AChangedPictureFileIsDecodedAgainEvenWithItsSizeAndTimeKept) {
    written_cache();
    const fs::path key = folder.root() / "skin/key.bmp";
    const auto time = fs::last_write_time(key);
    write_file(key, plain_bmp(90));
    fs::last_write_time(key, time);
    PictureCache next(cache_file);
    const Loaded run = load(next);
    EXPECT_EQ(next.decoded(), 1);
    EXPECT_EQ(gorvo::test::pixel_text(*run.image(5).picture, 0, 0), "(90,0,0,255)");
    // Written anew with the new picture: the next load takes it from there.
    PictureCache third(cache_file);
    EXPECT_EQ(gorvo::test::pixel_text(*load(third).image(5).picture, 0, 0), "(90,0,0,255)");
    EXPECT_EQ(third.decoded(), 0);
}

TEST_F(PictureCacheTest, ABrokenPictureFileStillStopsTheLoadWithItsMessage) {
    written_cache();
    folder.add_picture(kBrokenPng, "skin/screen.png");
    PictureCache next(cache_file);
    const Loaded run = load(next);
    EXPECT_EQ(run.result.status, SkinLoadResult::Status::Error);
    EXPECT_EQ(run.result.message, load_picture("skin/screen.png").error);
    EXPECT_EQ(run.result.progress.images_done, 2);
}

// A damaged cache file: the pictures are those of a decode, and the cache is written anew, as
// it was before the damage.
class DamagedCache : public PictureCacheTest {
  protected:
    void expect_passed_over(const std::vector<std::uint8_t>& damaged, const std::string& how) {
        SCOPED_TRACE(how);
        write_file(cache_file, damaged);
        PictureCache cache(cache_file);
        expect_as_decoded(load(cache));
        EXPECT_GT(cache.decoded(), 0);
        EXPECT_TRUE(read_bytes(cache_file) == pristine);
    }
    void SetUp() override {
        PictureCacheTest::SetUp();
        pristine = written_cache();
    }
    std::vector<std::uint8_t> pristine;
};

TEST_F(DamagedCache, CutShortAnywhere) {
    ASSERT_GT(pristine.size(), 1000u);
    // Byte by byte through the header, finer than an entry through the index, then by pixels.
    for (std::size_t size = 0; size < pristine.size();
         size += size < 100 ? 1 : (size < 700 ? 7 : 257)) {
        expect_passed_over({pristine.begin(), pristine.begin() + static_cast<long>(size)},
                           "cut to " + std::to_string(size));
    }
}

TEST_F(DamagedCache, ChangedBytes) {
    std::mt19937 random(250);
    for (int round = 0; round < 150; ++round) {
        std::vector<std::uint8_t> changed = pristine;
        for (int i = 0; i <= round % 4; ++i) {
            std::uint8_t& byte = changed[random() % changed.size()];
            byte = static_cast<std::uint8_t>(byte ^ (1 + random() % 255));
        }
        expect_passed_over(changed, "round " + std::to_string(round));
    }
}

TEST_F(DamagedCache, ScrambledOrReplaced) {
    std::vector<std::uint8_t> scrambled = pristine;  // the middle fifth, as the fault tests do
    for (std::size_t i = scrambled.size() * 2 / 5; i < scrambled.size() * 3 / 5; ++i)
        scrambled[i] ^= 0x5A;
    expect_passed_over(scrambled, "middle fifth scrambled");
    expect_passed_over({}, "emptied");
    expect_passed_over(read_bytes(folder.root() / "skin/case.png"), "a picture file");
    std::vector<std::uint8_t> doubled = pristine;
    doubled.insert(doubled.end(), pristine.begin(), pristine.end());
    expect_passed_over(doubled, "written twice over");

    fs::remove(cache_file);
    fs::create_directory(cache_file);  // a folder in its place: the cache cannot be written
    PictureCache cache(cache_file);
    expect_as_decoded(load(cache));
    EXPECT_EQ(cache.decoded(), kFiles);
}

TEST_F(PictureCacheTest, HiddenImagesGetTheirPicturesWhenTheHeldOnesAreGiven) {
    written_cache();
    PictureCache cache(cache_file);
    cache.hold_hidden_pictures();
    Loaded run = load(cache);
    ASSERT_EQ(run.result.status, SkinLoadResult::Status::Ok);
    EXPECT_EQ(cache.taken_from_cache(), 1);  // the closed case alone
    EXPECT_TRUE(run.image(1).picture);
    for (int n : {2, 3, 5})
        EXPECT_FALSE(run.image(n).picture) << n;
    // The pictures of held images change on the way: one file, then the cache's own copy of
    // another; both are noticed when the pictures are given.
    write_file(folder.root() / "skin/key.bmp", plain_bmp(90));
    std::fstream damage(cache_file, std::ios::in | std::ios::out | std::ios::binary);
    damage.seekp(-1, std::ios::end);
    damage.put('\x7f');
    damage.close();
    EXPECT_TRUE(cache.give_held_pictures(run.images).empty());
    EXPECT_FALSE(cache.holding());
    EXPECT_EQ(gorvo::test::pixel_text(*run.image(5).picture, 0, 0), "(90,0,0,255)");
    expect_as_decoded(run, {1, 2, 3, 4});
    EXPECT_EQ(cache.decoded(), 2);  // the changed file, and the picture the damage hit
}

TEST_F(PictureCacheTest, ALoadStoppedByABrokenPictureGivesOnlyThePicturesBeforeIt) {
    written_cache();
    folder.add_picture(kBrokenPng, "skin/screen.png");
    PictureCache cache(cache_file);
    cache.hold_hidden_pictures();
    Loaded run = load(cache);
    EXPECT_EQ(run.result.status, SkinLoadResult::Status::Error);
    EXPECT_TRUE(cache.give_held_pictures(run.images).empty());
    EXPECT_TRUE(run.image(2).picture);   // before the broken one
    EXPECT_FALSE(run.image(5).picture);  // after it: the load never got there
}

}  // namespace
}  // namespace gorvo::skin::test
