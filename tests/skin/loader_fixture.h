// A throw-away skin folder for loader tests: a Config.ini and pictures from the picture corpus.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "core/images.h"
#include "skin/skin_loader.h"

namespace gorvo::skin::test {

namespace fs = std::filesystem;

inline constexpr const char* kAlphaPng = "png/basn6a08.png";       // 32 x 32, alpha channel
inline constexpr const char* kOpaqueJpeg = "jpeg/m_17x9_odd.jpg";  // 17 x 9, no alpha
inline constexpr const char* kBrokenPng = "png/m_truncated_idat.png";

class SkinFolder {
  public:
    SkinFolder() {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        root_ = fs::path(::testing::TempDir()) /
                ("gorvo-skin-" + std::string(test->test_suite_name()) + "-" + test->name());
        fs::remove_all(root_);
        fs::create_directories(root_);
    }
    ~SkinFolder() {
        std::error_code ignored;
        fs::remove_all(root_, ignored);
    }

    const fs::path& root() const { return root_; }
    std::string dir(const std::string& sub) const { return (root_ / sub).string() + "/"; }
    fs::path config() const { return root_ / "Config.ini"; }
    void write_config(const std::string& text) const { write(config(), text); }
    void add_picture(const char* corpus_file, const std::string& relative) const {
        fs::create_directories((root_ / relative).parent_path());
        fs::copy_file(fs::path(GORVO_CORPUS_DIR) / corpus_file, root_ / relative,
                      fs::copy_options::overwrite_existing);
    }
    static void write(const fs::path& file, const std::string& text) {
        fs::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << text;
    }

  private:
    fs::path root_;
};

// The window's and images' state across loads, as the main window keeps it.
struct Loaded {
    WindowLayout layout;
    Images images;
    SkinLoadResult result;

    Loaded& load(const SkinFolder& folder, bool fullscreen, ScreenSize screen = {1024, 768}) {
        result = Gfx_Load_Skin(folder.config(), fullscreen, screen, layout, images);
        return *this;
    }
    const ImageState& image(int n) const { return images[kSkinImages[n - 1]]; }
    PictureSource::Kind kind(int n) const { return result.progress.pictures[n - 1].kind; }
};

}  // namespace gorvo::skin::test
