// The fuzzers are only as good as their checks: a decoder result that breaks a promise of the
// picture type must be reported, and a sound one must not.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "checks/targets.h"

namespace gorvo::fuzz {
namespace {

skin::DecodeResult picture_of(int width, int height, bool has_alpha,
                              const std::function<void(Picture&)>& change = {}) {
    auto picture = std::make_shared<Picture>();
    picture->width = width;
    picture->height = height;
    picture->has_alpha = has_alpha;
    picture->rgba.assign(static_cast<std::size_t>(width) * height * 4, 255);
    if (change) change(*picture);
    return skin::DecodeResult{picture, {}};
}

TEST(PictureChecks, ReportEveryBrokenPromise) {
    const struct {
        const char* what;
        skin::DecodeResult result;
    } broken[] = {
        {"refusal without a reason", skin::DecodeResult{nullptr, ""}},
        {"picture with an error", skin::DecodeResult{picture_of(2, 2, false).picture, "damaged"}},
        {"no pixels", picture_of(0, 5, false)},
        {"wider than the limit", picture_of(16385, 1, false)},
        {"bytes missing", picture_of(3, 3, false, [](Picture& p) { p.rgba.pop_back(); })},
        {"see-through pixel in an opaque picture",
         picture_of(2, 2, false, [](Picture& p) { p.pixel(1, 1)[3] = 254; })},
    };
    for (const auto& b : broken)
        EXPECT_NE(picture_result_problem(b.result), "") << b.what;
}

TEST(PictureChecks, AcceptSoundResults) {
    EXPECT_EQ(picture_result_problem(skin::DecodeResult{nullptr, "not a PNG file"}), "");
    EXPECT_EQ(picture_result_problem(picture_of(3, 2, false)), "");
    EXPECT_EQ(
        picture_result_problem(picture_of(3, 2, true, [](Picture& p) { p.pixel(0, 0)[3] = 0; })),
        "");
}

// Readers that refuse must still pass: a refusal is the right answer to damaged input.
TEST(ReaderChecks, RefusalsPass) {
    const std::uint8_t empty[1] = {0};
    for (const Target& target : targets())
        EXPECT_EQ(target.check(Input(empty, 0)), "") << target.name;
    const std::string text = "100 jump_down\n50 jump_up\n[Common\nWidth=$1G\n\xff\xfe";
    const Input garbage(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
    for (const Target& target : targets())
        EXPECT_EQ(target.check(garbage), "") << target.name;
}

}  // namespace
}  // namespace gorvo::fuzz
