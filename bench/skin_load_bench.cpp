// gorvo250-bench-skin: how long the game takes to read the shipped Config.ini and decode the
// pictures it names, as the main window does at its creation (windowed presentation). Run from
// any folder with the program folder as argument. The first load warms the file cache; the
// figure is the median of the loads after it. The same loads through the cache of decoded
// pictures follow: the whole skin, and what the start-up's first frame waits for (the pictures
// of hidden images held back).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "core/images.h"
#include "figures.h"
#include "skin/skin_loader.h"

namespace {

constexpr int kLoads = 21;

struct TimedLoad {
    double ms = 0;
    gorvo::skin::SkinLoadResult result;
};

TimedLoad load_once(const std::filesystem::path& config,
                    gorvo::skin::PictureCache* cache = nullptr) {
    gorvo::Images images;
    gorvo::skin::WindowLayout layout;
    const auto start = std::chrono::steady_clock::now();
    TimedLoad t;
    t.result = gorvo::skin::Gfx_Load_Skin(config, false, {1280, 1024}, layout, images, cache);
    t.ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    return t;
}

// Each load through a cache object of its own, as each start of the game has.
std::vector<double> cached_loads(const std::filesystem::path& config,
                                 const std::filesystem::path& file, bool hold) {
    std::vector<double> ms;
    for (int i = 0; i < kLoads; ++i) {
        gorvo::skin::PictureCache cache(file);
        if (hold) cache.hold_hidden_pictures();
        ms.push_back(load_once(config, &cache).ms);
    }
    return ms;
}

void print_cached(const std::filesystem::path& config) {
    const std::filesystem::path file =
        std::filesystem::temp_directory_path() / "gorvo250-bench-pictures";
    std::filesystem::remove(file);
    {
        gorvo::skin::PictureCache writer(file);
        load_once(config, &writer);
    }
    using gorvo::bench::percentile;
    const std::vector<double> whole = cached_loads(config, file, false);
    const std::vector<double> first_frame = cached_loads(config, file, true);
    std::filesystem::remove(file);
    gorvo::bench::print_figure("skin_load_cached_ms", percentile(whole, 0.5), "ms");
    gorvo::bench::print_figure("skin_load_first_frame_ms", percentile(first_frame, 0.5), "ms");
    gorvo::bench::print_note(
        "skin load through the cache of decoded pictures, median of %d loads: every picture "
        "%.1f..%.1f ms; with the hidden images' pictures held back for after the first frame, as "
        "the start-up does, %.1f..%.1f ms",
        kLoads, percentile(whole, 0), percentile(whole, 1), percentile(first_frame, 0),
        percentile(first_frame, 1));
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: gorvo250-bench-skin <program folder>\n");
        return 2;
    }
    std::error_code error;
    // The skin folder named in Config.ini is relative to the working directory, as in the game.
    std::filesystem::current_path(argv[1], error);
    if (error) {
        std::fprintf(stderr, "cannot enter %s: %s\n", argv[1], error.message().c_str());
        return 1;
    }
    const std::filesystem::path config = std::filesystem::absolute("Config.ini");
    const TimedLoad first = load_once(config);
    if (first.result.status != gorvo::skin::SkinLoadResult::Status::Ok) {
        std::fprintf(stderr, "the skin did not load: %s\n", first.result.message.c_str());
        return 1;
    }
    std::vector<double> ms;
    for (int i = 0; i < kLoads; ++i)
        ms.push_back(load_once(config).ms);
    using gorvo::bench::percentile;
    gorvo::bench::print_figure("skin_load_ms", percentile(ms, 0.5), "ms");
    gorvo::bench::print_note(
        "skin load: %d pictures; first load %.1f ms, then the median of %d loads, %.1f..%.1f ms "
        "(target: at most 30 ms)",
        first.result.progress.images_done, first.ms, kLoads, percentile(ms, 0), percentile(ms, 1));
    print_cached(config);
    return 0;
}
