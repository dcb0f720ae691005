// Build step: synthesises the ten sounds of the handheld from their recipe table.
// Usage: gorvo-make-sounds <recipes.txt> <output folder>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "beeper_synth.h"
#include "sound_recipe.h"
#include "wav_file.h"

namespace {

// The game loads exactly these, from Sound/<name>.wav.
constexpr const char* kSoundNames[] = {"Chain", "Chance", "Enemy_1", "Enemy_2", "Gameover",
                                       "Jump",  "Key",    "Miss",    "Safe",    "Step"};

// Loud, with a little headroom so that no player's resampler clips.
constexpr double kPeak = 0.89;

bool read_file(const std::string& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream s;
    s << in.rdbuf();
    text = s.str();
    return true;
}

std::string check_names(const gorvo::media::RecipeBook& book) {
    for (const char* name : kSoundNames)
        if (!book.find(name)) return std::string("no recipe for the sound ") + name;
    for (const auto& r : book.recipes) {
        bool known = false;
        for (const char* name : kSoundNames)
            known = known || r.name == name;
        if (!known) return "'" + r.name + "' is not one of the game's sounds";
    }
    return {};
}

int fail(const std::string& what) {
    std::cerr << "gorvo-make-sounds: " << what << "\n";
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) return fail("usage: gorvo-make-sounds <recipes.txt> <output folder>");
    std::string text;
    if (!read_file(argv[1], text)) return fail(std::string("cannot read ") + argv[1]);
    const auto book = gorvo::media::parse_recipes(text);
    if (!book.ok()) return fail(std::string(argv[1]) + ": " + book.error);
    if (auto e = check_names(book); !e.empty()) return fail(std::string(argv[1]) + ": " + e);

    const std::filesystem::path folder = argv[2];
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec) return fail("cannot create " + folder.string() + ": " + ec.message());
    for (const auto& recipe : book.recipes) {
        const auto pcm =
            gorvo::media::normalise_to_pcm16(gorvo::media::render_recipe(recipe), kPeak);
        if (!pcm.ok()) return fail(recipe.name + ": " + pcm.error);
        const auto path = (folder / (recipe.name + ".wav")).string();
        if (auto e = gorvo::media::write_wav(path, pcm.samples, gorvo::media::kSampleRate);
            !e.empty())
            return fail(e);
    }
    return 0;
}
