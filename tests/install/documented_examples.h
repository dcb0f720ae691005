// The examples that the documents show a person: shell commands to paste, each with what it
// prints. In a document an example is a block of lines indented by at least four spaces whose
// first line begins with "$ "; every line that begins with "$ " is a command, and the lines
// after it, up to the next command or the end of the block, are its output. A line "..."
// stands for any number of lines left out.
#pragma once

#include <string>
#include <vector>

namespace gorvo::install::test {

struct ExampleCommand {
    int line = 0;         // in the document, counted from 1
    std::string command;  // without the "$ "
    std::vector<std::string> output;
};

// The commands of one block run one after the other in the same folder.
using Example = std::vector<ExampleCommand>;

std::vector<Example> examples_in(const std::string& document);

// Whether `printed` is what `shown` shows: line by line, "..." matching any number of lines.
bool shows(const std::vector<std::string>& shown, const std::vector<std::string>& printed);

// The lines of a text, without their line feeds.
std::vector<std::string> lines_of(const std::string& text);

}  // namespace gorvo::install::test
