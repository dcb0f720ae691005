// The examples in the documents a person reads (Readme.txt and the tools' pages in the program
// folder, the README), pasted into a shell as that person would: with the installed launchers
// on the PATH, in a folder of their own, each document from its top. Each command prints what
// the document shows.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "documented_examples.h"
#include "installed_tree.h"

namespace gorvo::install::test {
namespace {

namespace fs = std::filesystem;

using DocumentedExamples = InstalledTreeTest;

std::string joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";
    return text;
}

// Runs every example of `document` (named `name` in messages) in order, in one folder, as a
// person reading it from the top would; returns how many ran.
int run_examples(const std::string& name, const std::string& document, const InstalledTree& tree) {
    const std::vector<Example> examples = examples_in(document);
    const TempFolder home;
    for (const Example& example : examples) {
        for (const ExampleCommand& c : example) {
            SCOPED_TRACE(name + ":" + std::to_string(c.line) + ": $ " + c.command);
            const CommandRun ran = run("cd " + quoted(home.path().string()) +
                                       " && HOME=" + quoted(home.path().string()) +
                                       " LC_ALL=C PATH=" + quoted(tree.launcher_dir().string()) +
                                       ":\"$PATH\" /bin/sh -c " + quoted(c.command));
            EXPECT_EQ(ran.exit_status, 0) << ran.output;
            EXPECT_TRUE(shows(c.output, lines_of(ran.output)))
                << "shown:\n" + joined(c.output) + "printed:\n" + ran.output;
        }
    }
    return static_cast<int>(examples.size());
}

// The commands of all the examples in `document`.
std::string commands_in(const std::string& document) {
    std::string commands;
    for (const Example& example : examples_in(document)) {
        for (const ExampleCommand& c : example)
            commands += c.command + "\n";
    }
    return commands;
}

// How a document's examples are read and compared: a reader that found nothing, or a comparison
// that let anything through, would leave every document untested.
TEST(ExampleReader, FindsCommandsWithTheirOutputAndLeavesOutOnlyWhatDotsStandFor) {
    const std::vector<Example> found = examples_in(
        "Text.\n\n    $ one\n    a\n      b\n    $ two\n\n    not an example\n    $ three\n"
        "\n  $ too little indent\n\n        $ four\n        ...\n");
    ASSERT_EQ(found.size(), 2u);
    ASSERT_EQ(found[0].size(), 2u);
    EXPECT_EQ(found[0][0].line, 3);
    EXPECT_EQ(found[0][0].command, "one");
    EXPECT_EQ(found[0][0].output, (std::vector<std::string>{"a", "  b"}));
    EXPECT_EQ(found[0][1].command, "two");
    EXPECT_TRUE(found[0][1].output.empty());
    EXPECT_EQ(found[1][0].command, "four");

    using Lines = std::vector<std::string>;
    EXPECT_TRUE(shows({"a", "...", "d"}, {"a", "b", "c", "d"}));
    EXPECT_TRUE(shows({"a", "...", "b"}, {"a", "b"}));
    EXPECT_TRUE(shows({"..."}, Lines{}));
    EXPECT_FALSE(shows({"a", "d"}, {"a", "b", "d"}));
    EXPECT_FALSE(shows({"a", "..."}, {"b", "a"}));
    EXPECT_FALSE(shows({"a"}, {"a", "a"}));
    EXPECT_FALSE(shows(Lines{}, {""}));
}

TEST_F(DocumentedExamples, TheToolsPagesInTheProgramFolder) {
    for (const char* page : {"gorvo250-sim.md", "gorvo250-skincheck.md"}) {
        const std::string text = read_file(tree().program_dir() / page);
        ASSERT_FALSE(text.empty()) << page << " is not in the program folder";
        EXPECT_EQ(text, read_file(fs::path(GORVO_SOURCE_DIR) / "docs" / page))
            << page << " in the program folder is not the one in docs/";
        EXPECT_GE(run_examples(page, text, tree()), 4) << page;
    }
}

// Readme.txt and the README show each tool with an example to paste: a skin checked, a script
// run and its trace printed.
TEST_F(DocumentedExamples, ReadmeTxtAndTheReadme) {
    const std::string readme_txt = read_file(tree().program_dir() / "Readme.txt");
    const std::string readme_md = read_file(fs::path(GORVO_SOURCE_DIR) / "README.md");
    for (const auto& [name, text] :
         {std::pair{"Readme.txt", readme_txt}, {"README.md", readme_md}}) {
        EXPECT_GE(run_examples(name, text, tree()), 2) << name;
        const std::string commands = commands_in(text);
        EXPECT_NE(commands.find("gorvo250-skincheck"), std::string::npos) << name;
        EXPECT_NE(commands.find("gorvo250-sim "), std::string::npos) << name;
    }
}

}  // namespace
}  // namespace gorvo::install::test
