// Every input kept under fuzz/regressions/<target>/ once made its reader crash or misbehave;
// each must now pass the same checks the fuzzer applies.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "checks/targets.h"

namespace gorvo::fuzz {
namespace {

namespace fs = std::filesystem;

const fs::path kRegressions = fs::path(GORVO_FUZZ_DIR) / "regressions";

std::vector<std::uint8_t> read_bytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<fs::path> files_in(const fs::path& dir) {
    std::vector<fs::path> files;
    if (!fs::is_directory(dir)) return files;
    for (const fs::directory_entry& e : fs::directory_iterator(dir)) {
        if (e.is_regular_file()) files.push_back(e.path());
    }
    return files;
}

// Checks each file of `dir` with the target's check; returns how many were replayed.
std::size_t replay(const Target& target, const fs::path& dir) {
    const std::vector<fs::path> files = files_in(dir);
    for (const fs::path& file : files) {
        const std::vector<std::uint8_t> bytes = read_bytes(file);
        EXPECT_EQ(target.check(bytes), "") << target.name << ": " << file;
    }
    return files.size();
}

TEST(FuzzRegressions, EveryKeptInputPassesItsTargetsChecks) {
    std::size_t replayed = 0;
    for (const Target& target : targets())
        replayed += replay(target, kRegressions / target.name);
    RecordProperty("replayed", static_cast<int>(replayed));
}

// A folder that names no target would be skipped without a word.
TEST(FuzzRegressions, EveryFolderNamesATarget) {
    ASSERT_TRUE(fs::is_directory(kRegressions));
    for (const fs::directory_entry& e : fs::directory_iterator(kRegressions)) {
        if (!e.is_directory()) continue;
        EXPECT_NE(find_target(e.path().filename().string()), nullptr) << e.path();
    }
}

// The hand-written seeds and the simulator's example scripts are well-formed inputs: a check
// that objected to them would drown every real finding.
TEST(FuzzRegressions, SeedsPassTheirChecks) {
    EXPECT_GT(replay(*find_target("profile"), fs::path(GORVO_FUZZ_DIR) / "seeds" / "profile"), 0u);
    std::size_t scripts = 0;
    for (const fs::path& file : files_in(GORVO_SIM_GOLDEN_DIR)) {
        if (file.extension() != ".script") continue;
        EXPECT_EQ(check_script(read_bytes(file)), "") << file;
        ++scripts;
    }
    EXPECT_GT(scripts, 0u);
}

// The picture corpus, valid and damaged files alike, through the decoders' checks: refusals
// with reasons, sizes within limits, opaque pictures really opaque, decodes repeatable.
TEST(FuzzRegressions, PictureCorpusPassesTheDecoderChecks) {
    const fs::path corpus(GORVO_CORPUS_DIR);
    if (!fs::is_directory(corpus)) GTEST_SKIP() << "no picture corpus at " << corpus;
    const struct {
        const char* folder;
        std::string (*check)(Input);
    } formats[] = {{"png", check_png}, {"jpeg", check_jpeg}, {"bmp", check_bmp}};
    for (const auto& format : formats) {
        std::size_t checked = 0;
        for (const auto& e : fs::recursive_directory_iterator(corpus / format.folder)) {
            if (!e.is_regular_file()) continue;
            EXPECT_EQ(format.check(read_bytes(e.path())), "") << e.path();
            ++checked;
        }
        EXPECT_GT(checked, 10u) << format.folder;
    }
}

}  // namespace
}  // namespace gorvo::fuzz
