// The Debian package: made by CPack from this build's install rules, it holds exactly the
// installed tree, depends on the packages of every library its programs load, and passes
// lintian, Debian's own check of a package, without an error or a warning.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>

#include "install_support.h"

namespace gorvo::install::test {
namespace {

namespace fs = std::filesystem;

struct PackagedFile {
    std::string mode;   // as "ls -l" shows it, e.g. -rwxr-xr-x
    std::string owner;  // user/group
};

class DebianPackage : public ::testing::Test {
  protected:
    // Makes the package as `cpack -G DEB` does, from install rules already built: the build's
    // own configuration, with the install script run directly instead of after a build of
    // every target, and its programs stripped as CPack strips them.
    static void SetUpTestSuite() {
        folder_ = new TempFolder;
        const fs::path config = folder_->path() / "config.cmake";
        std::ofstream(config) << "include(\"" GORVO_BUILD_DIR "/CPackConfig.cmake\")\n"
                              << "set(CPACK_INSTALL_CMAKE_PROJECTS \"\")\n"
                              << "set(CPACK_INSTALL_SCRIPTS \"" GORVO_BUILD_DIR
                                 "/cmake_install.cmake\")\n"
                              << "set(CPACK_INSTALL_PREFIX ${CPACK_PACKAGING_INSTALL_PREFIX})\n"
                              << "set(CMAKE_INSTALL_DO_STRIP ${CPACK_STRIP_FILES})\n"
                              << "set(CPACK_PACKAGE_DIRECTORY \"" << folder_->path().string()
                              << "/out\")\n";
        const CommandRun made =
            run(command_line({GORVO_CPACK, "-G", "DEB", "--config", config.string()}));
        if (made.exit_status != 0) {
            error_ = "cpack failed:\n" + made.output;
            return;
        }
        for (const auto& entry : fs::directory_iterator(folder_->path() / "out")) {
            if (entry.path().extension() == ".deb") package_ = entry.path();
        }
        if (package_.empty()) error_ = "cpack made no .deb:\n" + made.output;
    }

    static void TearDownTestSuite() {
        delete folder_;
        folder_ = nullptr;
    }

    void SetUp() override { ASSERT_TRUE(error_.empty()) << error_; }

    // The package's files and links (not its folders), by path below the root.
    static std::map<std::string, PackagedFile> contents() {
        const CommandRun listed = run(command_line({"dpkg-deb", "-c", package_.string()}));
        EXPECT_EQ(listed.exit_status, 0) << listed.output;
        std::map<std::string, PackagedFile> files;
        std::istringstream lines(listed.output);
        for (std::string line; std::getline(lines, line);) {
            std::istringstream fields(line);
            PackagedFile file;
            std::string size, date, time, path;
            fields >> file.mode >> file.owner >> size >> date >> time >> path;
            if (file.mode.empty() || file.mode[0] == 'd') continue;
            if (path.rfind("./", 0) == 0) path.erase(0, 2);
            files[path] = file;
        }
        return files;
    }

    static std::string field(const std::string& name) {
        const CommandRun shown = run(command_line({"dpkg-deb", "-f", package_.string(), name}));
        EXPECT_EQ(shown.exit_status, 0) << shown.output;
        std::string value = shown.output;
        while (!value.empty() && value.back() == '\n')
            value.pop_back();
        return value;
    }

    static TempFolder* folder_;
    static fs::path package_;
    static std::string error_;
};

TempFolder* DebianPackage::folder_ = nullptr;
fs::path DebianPackage::package_;
std::string DebianPackage::error_;

// The package names of a Depends field, without versions or alternatives' bars.
std::set<std::string> depended_packages(const std::string& depends) {
    std::set<std::string> names;
    std::string name;
    bool in_name = true;
    for (char c : depends + ",") {
        if (c == ',' || c == '|') {
            if (!name.empty()) names.insert(name);
            name.clear();
            in_name = true;
        } else if (c == ' ' || c == '(') {
            if (!name.empty()) in_name = false;
        } else if (in_name) {
            name += c;
        }
    }
    return names;
}

// The packages of this system that hold the shared library `soname`.
std::set<std::string> packages_holding(const std::string& soname) {
    const CommandRun found = run(command_line({"dpkg", "-S", "*/" + soname}));
    std::set<std::string> packages;
    std::istringstream lines(found.output);
    for (std::string line; std::getline(lines, line);) {
        const std::size_t colon = line.find(':');
        if (colon == std::string::npos || line.find(": ") == std::string::npos) continue;
        std::istringstream names(line.substr(0, line.find(": ")));
        for (std::string name; std::getline(names, name, ',');) {
            name.erase(0, name.find_first_not_of(' '));
            packages.insert(name.substr(0, name.find(':')));
        }
    }
    return packages;
}

bool is_elf(const fs::path& file) {
    return read_file(file).compare(0, 4,
                                   "\x7f"
                                   "ELF") == 0;
}

TEST_F(DebianPackage, HoldsExactlyTheTreeThatCmakeInstallPutsUnderUsr) {
    const TempFolder scratch;
    const InstalledTree tree = install_build(scratch.path() / "root");
    ASSERT_TRUE(tree.error.empty()) << tree.error;
    std::vector<std::string> installed;
    for (const std::string& file : files_below(tree.prefix()))
        installed.push_back("usr/" + file);

    const std::map<std::string, PackagedFile> packaged = contents();
    std::vector<std::string> names;
    for (const auto& [path, file] : packaged)
        names.push_back(path);
    EXPECT_EQ(names, installed);

    for (const auto& [path, file] : packaged) {
        EXPECT_EQ(file.owner, "root/root") << path;
        EXPECT_EQ(path.find("_test"), std::string::npos) << "a test program is packaged: " << path;
    }
    for (const char* launcher :
         {"usr/games/gorvo250", "usr/games/gorvo250-skincheck", "usr/games/gorvo250-sim"}) {
        ASSERT_EQ(packaged.count(launcher), 1u) << launcher;
        EXPECT_EQ(packaged.at(launcher).mode, "-rwxr-xr-x") << launcher;
    }
    for (const char* file :
         {"usr/share/applications/gorvo250.desktop", "usr/share/metainfo/gorvo250.metainfo.xml",
          "usr/share/icons/hicolor/scalable/apps/gorvo250.svg", "usr/lib/gorvo250/Config.ini",
          "usr/share/doc/gorvo250/copyright", "usr/share/doc/gorvo250/changelog.gz",
          "usr/share/man/man6/gorvo250.6.gz"}) {
        EXPECT_EQ(packaged.count(file), 1u) << file;
    }
}

TEST_F(DebianPackage, DependsOnThePackageOfEveryLibraryItsProgramsLoad) {
    EXPECT_EQ(field("Package"), "gorvo250");
    EXPECT_EQ(field("Version"), GORVO_VERSION);
    EXPECT_EQ(field("Section"), "games");
    const std::set<std::string> depends = depended_packages(field("Depends"));
    // The game asks for its fonts by name; the package that provides them must come along.
    EXPECT_EQ(depends.count("fonts-liberation"), 1u);
    // Sound and pads are opened when first needed, so no executable names their libraries.
    EXPECT_EQ(depends.count("libsdl2-2.0-0"), 1u);
    EXPECT_EQ(depends.count("libsdl2-mixer-2.0-0"), 1u);

    const TempFolder scratch;
    const CommandRun unpacked = run(
        command_line({"dpkg-deb", "-x", package_.string(), (scratch.path() / "root").string()}));
    ASSERT_EQ(unpacked.exit_status, 0) << unpacked.output;
    bool saw_game = false;
    for (const std::string& file : files_below(scratch.path() / "root")) {
        const fs::path path = scratch.path() / "root" / file;
        if (fs::is_symlink(path) || !is_elf(path)) continue;
        saw_game = saw_game || file == "usr/" GORVO_INSTALL_PROGRAM_DIR "/gorvo250";
        const CommandRun dynamic = run(command_line({"readelf", "-d", path.string()}));
        ASSERT_EQ(dynamic.exit_status, 0) << dynamic.output;
        for (const std::string& soname : all_between(dynamic.output, "Shared library: [", "]")) {
            const std::set<std::string> holders = packages_holding(soname);
            const bool covered = std::any_of(holders.begin(), holders.end(),
                                             [&](const auto& p) { return depends.count(p) == 1; });
            EXPECT_TRUE(covered) << file << " loads " << soname
                                 << ", whose package is not among the dependencies: "
                                 << field("Depends");
        }
    }
    EXPECT_TRUE(saw_game) << "the game itself was not among the programs checked";
}

TEST_F(DebianPackage, LintianFindsNoErrorAndNoWarning) {
    const CommandRun checked = run(command_line(
        {"lintian", "--fail-on", "error,warning", "--display-info", package_.string()}));
    EXPECT_EQ(checked.exit_status, 0) << checked.output;
}

}  // namespace
}  // namespace gorvo::install::test
