// gorvo250-skincheck: checks a skin without starting the game.
#include <iostream>
#include <string>
#include <vector>

#include "options.h"
#include "pam_file.h"
#include "report.h"
#include "skin/pictures.h"
#include "skin/skin_loader.h"
#include "usage.h"

namespace {

using namespace gorvo;

constexpr int kLoadCompleted = 0;
constexpr int kGameError = 1;
constexpr int kUsageError = 2;
constexpr int kPictureMissing = 3;  // with --strict

int decode(const skincheck::Options& options) {
    const skin::DecodeResult decoded = skin::load_picture(options.picture);
    if (!decoded) {
        std::cout << "error: " << decoded.error << "\n";
        return kGameError;
    }
    const std::string written = skincheck::write_pam(*decoded.picture, options.output);
    if (!written.empty()) {
        std::cerr << "gorvo250-skincheck: " << written << "\n";
        return kGameError;
    }
    return kLoadCompleted;
}

int load(const skincheck::Options& options) {
    Images images;
    skin::WindowLayout layout;
    const std::filesystem::path config = options.config.value_or(skin::default_config_path());
    const skin::SkinLoadResult result =
        skin::Gfx_Load_Skin(config, options.fullscreen, options.screen, layout, images);
    const skincheck::LoadReport report = skincheck::describe_load(config, result, layout, images);
    std::cout << report.text;
    if (result.status != skin::SkinLoadResult::Status::Ok) return kGameError;
    return options.strict && report.missing > 0 ? kPictureMissing : kLoadCompleted;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const skincheck::ParsedOptions parsed = skincheck::parse_options(arguments);
    if (!parsed.error.empty()) {
        std::cerr << "gorvo250-skincheck: " << parsed.error << "\n\n"
                  << skincheck::usage_lines() << "Try 'gorvo250-skincheck --help' for more.\n";
        return kUsageError;
    }
    switch (parsed.options.mode) {
        case skincheck::Options::Mode::Help:
            std::cout << skincheck::kUsage;
            return kLoadCompleted;
        case skincheck::Options::Mode::Decode:
            return decode(parsed.options);
        case skincheck::Options::Mode::Load:
            break;
    }
    return load(parsed.options);
}
