// The installed manual pages: one for each launcher, and the tools' pages say what the tools'
// own --help says, their usage lines as the synopsis.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "installed_tree.h"

namespace gorvo::install::test {
namespace {

namespace fs = std::filesystem;

using ManualPages = InstalledTreeTest;

// Runs of white space as one space, so that text is compared whatever the line breaks.
std::string single_spaced(const std::string& text) {
    std::string result;
    for (char c : text) {
        const bool space = c == ' ' || c == '\t' || c == '\n';
        if (!space) {
            result += c;
        } else if (!result.empty() && result.back() != ' ') {
            result += ' ';
        }
    }
    return result;
}

// The page as `man` shows it in plain ASCII, on lines long enough not to break.
std::string rendered(const fs::path& page) {
    const CommandRun shown =
        run("LC_ALL=C MANWIDTH=250 man --nh --nj -l " + quoted(page.string()) + " 2>&1");
    EXPECT_EQ(shown.exit_status, 0) << shown.output;
    return single_spaced(shown.output);
}

fs::path page_of(const InstalledTree& tree, const std::string& program) {
    return tree.share() / "man" / "man6" / (program + ".6.gz");
}

TEST_F(ManualPages, EveryLauncherHasItsPageNamedAfterIt) {
    for (const std::string& program : files_below(tree().launcher_dir())) {
        const fs::path page = page_of(tree(), program);
        ASSERT_TRUE(fs::is_regular_file(page)) << page;
        EXPECT_NE(rendered(page).find(" NAME " + program + " - "), std::string::npos) << page;
    }
}

TEST_F(ManualPages, ToolPagesShowTheirHelpWithItsUsageAsSynopsis) {
    for (const std::string tool : {"gorvo250-skincheck", "gorvo250-sim"}) {
        SCOPED_TRACE(tool);
        const CommandRun help = run(quoted((tree().program_dir() / tool).string()) + " --help");
        ASSERT_EQ(help.exit_status, 0) << help.output;
        const std::string page = rendered(page_of(tree(), tool));
        const std::string synopsis = text_between(page, " SYNOPSIS ", " DESCRIPTION ");
        ASSERT_FALSE(synopsis.empty()) << page;

        std::istringstream lines(help.output);
        for (std::string line; std::getline(lines, line);) {
            const std::string text = single_spaced(line);
            for (const std::string lead : {"Usage: ", "or: "}) {
                if (text.rfind(lead, 0) == 0) {
                    EXPECT_NE(synopsis.find(text.substr(lead.size())), std::string::npos)
                        << "usage line missing from the synopsis: " << line << "\n"
                        << page;
                }
            }
            std::istringstream words(text);
            for (std::string word; words >> word;) {
                if (word.rfind("--", 0) != 0) continue;
                word = word.substr(0, word.find_first_of(",;)="));
                EXPECT_NE(page.find(word), std::string::npos) << word << " missing:\n" << page;
            }
        }
    }
}

}  // namespace
}  // namespace gorvo::install::test
