// The launchers on the PATH: the game starts in its program folder wherever it is started from,
// the skin checker reads the installed skin there but the user's files where the user is, and
// the simulator reads its script where the user is.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "installed_tree.h"

namespace gorvo::install::test {
namespace {

namespace fs = std::filesystem;

using Launchers = InstalledTreeTest;

std::string in_folder(const fs::path& folder, const std::string& command) {
    return "cd " + quoted(folder.string()) + " && " + command;
}

// Puts a stand-in for the game into a tree of its own that records where it runs and what
// arguments it got, one per line.
void replace_game_by_recorder(const InstalledTree& tree, const fs::path& record) {
    const fs::path game = tree.program_dir() / "gorvo250";
    fs::remove(game);
    std::ofstream(game) << "#!/bin/sh\n"
                        << "{ pwd -P; for a in \"$@\"; do printf '%s\\n' \"$a\"; done; } > "
                        << quoted(record.string()) << "\n";
    fs::permissions(game, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec);
}

TEST_F(Launchers, TheGameAndItsTwoToolsGoOnThePath) {
    const std::vector<std::string> expected{"gorvo250", "gorvo250-sim", "gorvo250-skincheck"};
    EXPECT_EQ(files_below(tree().launcher_dir()), expected);
    for (const std::string& launcher : expected) {
        const fs::perms perms = fs::status(tree().launcher_dir() / launcher).permissions();
        EXPECT_NE(perms & fs::perms::others_exec, fs::perms::none) << launcher;
    }
}

TEST_F(Launchers, GameRunsInItsProgramFolderWithTheArgumentsAsGiven) {
    const TempFolder scratch;
    const InstalledTree own = install_build(scratch.path() / "root");
    ASSERT_TRUE(own.error.empty()) << own.error;
    const fs::path record = scratch.path() / "record.txt";
    replace_game_by_recorder(own, record);
    // Started through a link elsewhere, as a menu or a games folder may do, from a third folder.
    fs::create_directories(scratch.path() / "links");
    fs::create_directories(scratch.path() / "elsewhere");
    fs::create_symlink(own.launcher_dir() / "gorvo250", scratch.path() / "links" / "game");

    const CommandRun started = run(in_folder(
        scratch.path() / "elsewhere", command_line({"../links/game", "two words", "", "it's"})));
    ASSERT_EQ(started.exit_status, 0) << started.output;
    const std::string expected =
        fs::canonical(own.program_dir()).string() + "\ntwo words\n\nit's\n";
    EXPECT_EQ(read_file(record), expected);
}

TEST_F(Launchers, SkinCheckerReadsTheUsersFilesWhereTheUserIs) {
    // A user's own skin: a configuration of their own naming the installed pictures.
    const TempFolder user;
    fs::copy_file(tree().program_dir() / "Config.ini", user.path() / "mine.ini");
    fs::create_directory_symlink(tree().program_dir() / "Graphics", user.path() / "Graphics");
    const std::string checker = quoted((tree().launcher_dir() / "gorvo250-skincheck").string());

    const CommandRun own_config = run(in_folder(user.path(), checker + " --config mine.ini"));
    EXPECT_EQ(own_config.exit_status, 0) << own_config.output;

    const CommandRun decoded =
        run(in_folder(user.path(), checker + " --decode Graphics/Backdrops/Logo.png logo.pam"));
    EXPECT_EQ(decoded.exit_status, 0) << decoded.output;
    EXPECT_TRUE(fs::is_regular_file(user.path() / "logo.pam"));
}

TEST_F(Launchers, SimulatorReadsTheUsersScriptWhereTheUserIs) {
    const TempFolder user;
    std::ofstream(user.path() / "play.script") << "0 open\n100 end\n";
    const std::string sim = quoted((tree().launcher_dir() / "gorvo250-sim").string());

    const CommandRun played = run(in_folder(user.path(), sim + " --seed 1 play.script"));
    EXPECT_EQ(played.exit_status, 0) << played.output;
    EXPECT_NE(played.output.find("100 end"), std::string::npos) << played.output;
}

}  // namespace
}  // namespace gorvo::install::test
