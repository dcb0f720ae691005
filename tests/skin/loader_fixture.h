// A throw-away skin folder for loader tests: a Config.ini and picture files copied from the
// picture corpus.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "core/images.h"
#include "skin/skin_loader.h"

namespace gorvo::skin::test {

namespace fs = std::filesystem;

// Corpus pictures used by the loader tests, with their sizes.
inline constexpr const char* kAlphaPng = "png/basn6a08.png";           // 32 x 32, alpha channel
inline constexpr const char* kOpaqueJpeg = "jpeg/m_17x9_odd.jpg";      // 17 x 9, no alpha
inline constexpr const char* kBrokenPng = "png/m_truncated_idat.png";  // cannot be decoded

class SkinFolder {
  public:
    SkinFolder() {
        const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
        root_ = fs::path(::testing::TempDir()) /
                ("gorvo-skin-" + std::string(test->test_suite_name()) + "-" + test->name());
        fs::remove_all(root_);
        fs::create_directories(root_);
    }
    ~SkinFolder() {
        std::error_code ignored;
        fs::remove_all(root_, ignored);
    }
    SkinFolder(const SkinFolder&) = delete;
    SkinFolder& operator=(const SkinFolder&) = delete;

    const fs::path& root() const { return root_; }
    // The folder as Config.ini would name it, with a trailing separator.
    std::string dir(const std::string& sub) const { return (root_ / sub).string() + "/"; }
    fs::path config() const { return root_ / "Config.ini"; }

    void write_config(const std::string& text) const { write(config(), text); }

    // Copies a corpus picture to `relative` below the root, creating folders as needed.
    void add_picture(const char* corpus_file, const std::string& relative) const {
        const fs::path target = root_ / relative;
        fs::create_directories(target.parent_path());
        fs::copy_file(fs::path(GORVO_CORPUS_DIR) / corpus_file, target,
                      fs::copy_options::overwrite_existing);
    }

    static void write(const fs::path& file, const std::string& text) {
        fs::create_directories(file.parent_path());
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out << text;
    }

  private:
    fs::path root_;
};

// Runs the loader on `folder`'s Config.ini.
struct Loaded {
    WindowLayout layout;
    Images images;
    SkinLoadResult result;

    Loaded& load(const SkinFolder& folder, bool fullscreen, ScreenSize screen = {1024, 768}) {
        result = Gfx_Load_Skin(folder.config(), fullscreen, screen, layout, images);
        return *this;
    }
    const ImageState& image(int n) const { return images[kSkinImages[n - 1]]; }
    const PictureSource& source(int n) const { return result.progress.pictures[n - 1]; }
};

// Changes the working directory for the life of the object.
class WorkingDirectory {
  public:
    explicit WorkingDirectory(const fs::path& dir) : saved_(fs::current_path()) {
        fs::current_path(dir);
    }
    ~WorkingDirectory() { fs::current_path(saved_); }
    WorkingDirectory(const WorkingDirectory&) = delete;
    WorkingDirectory& operator=(const WorkingDirectory&) = delete;

  private:
    fs::path saved_;
};

}  // namespace gorvo::skin::test
