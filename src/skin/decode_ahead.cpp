#include "skin/decode_ahead.h"

#include <algorithm>
#include <atomic>
#include <thread>

#include "skin/hires_companion.h"

namespace gorvo::skin {

namespace {

// More threads gain nothing on a skin of small pictures: the two largest take most of the time.
constexpr unsigned kMostThreads = 4;

}  // namespace

DecodeResult decode_with_companion(const std::filesystem::path& file) {
    DecodeResult decoded = load_picture(file);
    if (decoded) attach_companion(file, *decoded.picture);
    return decoded;
}

std::vector<DecodeResult> decode_all(const std::vector<std::filesystem::path>& files) {
    std::vector<DecodeResult> results(files.size());
    std::atomic<std::size_t> next{0};
    // Each file goes to whichever thread is free; every result has its own place.
    auto work = [&] {
        for (std::size_t i = next++; i < files.size(); i = next++) {
            if (!files[i].empty()) results[i] = decode_with_companion(files[i]);
        }
    };
    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    std::vector<std::thread> helpers;
    try {
        for (unsigned t = 1; t < std::min(cores, kMostThreads); ++t)
            helpers.emplace_back(work);
    } catch (const std::system_error&) {
        // No more threads to be had: those started and this one do the work.
    }
    work();
    for (std::thread& helper : helpers)
        helper.join();
    return results;
}

}  // namespace gorvo::skin
