// The documents Debian asks of every package, as installed: the changelog, with an entry for
// this version, and the copyright file in its machine-readable form. Lintian checks that both
// are there and compressed as they should be; it reads neither this closely in a binary package.
#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>

#include "installed_tree.h"

namespace gorvo::install::test {
namespace {

using PackageDocuments = InstalledTreeTest;

TEST_F(PackageDocuments, ChangelogHasAnEntryForThisVersion) {
    const CommandRun latest =
        run(command_line({"gzip", "-dc", (tree().share() / "doc/gorvo250/changelog.gz").string()}));
    ASSERT_EQ(latest.exit_status, 0) << latest.output;
    EXPECT_EQ(latest.output.rfind("gorvo250 (" GORVO_VERSION ") ", 0), 0u)
        << "packaging/debian/changelog wants an entry for the project's version:\n"
        << latest.output;
}

// A header naming the format, then paragraphs whose files each name their copyright and
// licence, and a full text for every licence named.
TEST_F(PackageDocuments, CopyrightIsMachineReadableWithEveryLicencesText) {
    const std::string text = read_file(tree().share() / "doc/gorvo250/copyright");
    ASSERT_EQ(text.rfind("Format: https://www.debian.org/doc/packaging-manuals/copyright-format/"
                         "1.0/\n",
                         0),
              0u)
        << text;

    std::set<std::string> named, with_text;
    std::string first_files;
    std::istringstream lines(text + "\n\n");
    std::string paragraph = "\n";
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty()) {
            paragraph += line + "\n";
            continue;
        }
        const std::string files = text_between(paragraph, "\nFiles: ", "\n");
        const std::string licence = text_between(paragraph, "\nLicense: ", "\n");
        if (!files.empty()) {
            EXPECT_FALSE(text_between(paragraph, "\nCopyright: ", "\n").empty()) << paragraph;
            EXPECT_FALSE(licence.empty()) << paragraph;
            named.insert(licence);
            if (first_files.empty()) first_files = files + " " + licence;
        } else if (paragraph.rfind("\nLicense: ", 0) == 0 &&
                   paragraph.find("\n ") != std::string::npos) {
            with_text.insert(licence);
        }
        paragraph = "\n";
    }
    // Everything not named otherwise is the project's own, under its licence.
    EXPECT_EQ(first_files, "* GPL-3+");
    EXPECT_EQ(named, with_text);
}

}  // namespace
}  // namespace gorvo::install::test
