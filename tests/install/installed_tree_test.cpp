// The installed program folder: everything the build's folder holds, and a skin, manual, sounds
// and documents the game can use from there.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "installed_tree.h"
#include "skin/pictures.h"
#include "skin/skin_loader.h"

namespace gorvo::install::test {
namespace {

namespace fs = std::filesystem;

using ProgramFolder = InstalledTreeTest;

bool is_executable_file(const fs::path& file) {
    std::error_code error;
    return fs::is_regular_file(file, error) &&
           (fs::status(file, error).permissions() & fs::perms::owner_exec) != fs::perms::none;
}

TEST_F(ProgramFolder, HoldsExactlyWhatTheBuildsProgramFolderHolds) {
    const std::vector<std::string> built = files_below(GORVO_PROGRAM_DIR);
    const std::vector<std::string> installed = files_below(tree().program_dir());
    ASSERT_FALSE(built.empty());
    for (const std::string& file : built) {
        EXPECT_TRUE(std::binary_search(installed.begin(), installed.end(), file))
            << file << " is in the build's program folder but not installed";
    }
    for (const std::string& file : installed) {
        EXPECT_TRUE(std::binary_search(built.begin(), built.end(), file))
            << file << " is installed but not part of the program folder";
    }
}

TEST_F(ProgramFolder, ShipsThePrograms) {
    for (const char* program : {"gorvo250", "gorvo250-sim", "gorvo250-skincheck"}) {
        EXPECT_TRUE(is_executable_file(tree().program_dir() / program)) << program;
    }
}

TEST_F(ProgramFolder, InstalledSkinLoadsAsTheGameLoadsItFromAnyFolder) {
    const TempFolder elsewhere;
    for (const char* presentation : {"", " --fullscreen"}) {
        SCOPED_TRACE(presentation);
        std::string command = "cd " + quoted(elsewhere.path().string()) + " && ";
        command += quoted((tree().launcher_dir() / "gorvo250-skincheck").string()) + presentation;
        const CommandRun check = run(command);
        EXPECT_EQ(check.exit_status, 0) << check.output;
        EXPECT_EQ(check.output.find("error"), std::string::npos) << check.output;
        EXPECT_EQ(all_between(check.output, "\nimage ", " ").size(), 147u) << check.output;
    }
}

TEST_F(ProgramFolder, ManualPagesNamedByConfigIniAreReadable) {
    const skin::ManualSettings manual =
        skin::read_manual_settings(tree().program_dir() / "Config.ini");
    for (int page = 1; page <= 16; ++page) {
        const fs::path file = tree().program_dir() / manual.dir / (std::to_string(page) + ".bmp");
        const skin::DecodeResult decoded = skin::load_picture(file);
        EXPECT_TRUE(decoded) << file << ": " << decoded.error;
    }
}

TEST_F(ProgramFolder, ShipsTheTenSoundsAndTheDocuments) {
    for (const char* sound : {"Chain", "Chance", "Enemy_1", "Enemy_2", "Gameover", "Jump", "Key",
                              "Miss", "Safe", "Step"}) {
        const std::string wav =
            read_file(tree().program_dir() / "Sound" / (std::string(sound) + ".wav"));
        EXPECT_TRUE(wav.size() > 44 && wav.compare(0, 4, "RIFF") == 0 &&
                    wav.compare(8, 4, "WAVE") == 0)
            << sound << ".wav is not a WAVE file";
    }
    for (const char* document :
         {"Readme.txt", "Whatsnew.txt", "Help/index.html", "Help/contact.html"}) {
        EXPECT_GT(read_file(tree().program_dir() / document).size(), 100u) << document;
    }
}

}  // namespace
}  // namespace gorvo::install::test
