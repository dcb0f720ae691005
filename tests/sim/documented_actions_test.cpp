// The simulator's page in docs/ kept in step with the program: every action it names runs, every
// action the program knows is named there, and its modes are the ones --help gives.
#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "run_program.h"
#include "sim/script.h"
#include "sim/usage.h"

namespace gorvo::sim::test {
namespace {

const std::string kPage = read_file(GORVO_SIM_PAGE);

using Rows = std::vector<std::pair<std::string, std::string>>;

// The first two cells of the rows of the table under `heading`, after its header row, up to
// the next heading; a cell's backquotes taken off.
Rows table_under(const std::string& heading) {
    const std::size_t at = kPage.find("\n" + heading + "\n");
    if (at == std::string::npos) return {};
    std::istringstream in(kPage.substr(at + heading.size() + 2));
    Rows rows;
    for (std::string line; std::getline(in, line) && line.rfind('#', 0) != 0;) {
        const std::size_t second = line.find(" | ");
        if (line.rfind("| ", 0) != 0 || second == std::string::npos) continue;
        const std::size_t end = line.find(" |", second + 3);
        std::string first = line.substr(2, second - 2);
        if (first.size() > 2 && first.front() == '`' && first.back() == '`')
            first = first.substr(1, first.size() - 2);
        rows.emplace_back(first, line.substr(second + 3, end - second - 3));
    }
    if (!rows.empty()) rows.erase(rows.begin());  // the header row
    return rows;
}

TEST(DocumentedActions, EveryActionOnThePageRunsAndEveryActionIsOnIt) {
    std::set<std::string> documented;
    for (const auto& [name, meaning] : table_under("## Actions")) {
        documented.insert(name);
        SCOPED_TRACE(name);
        const ProgramRun run = run_sim({"--seed", "1", "-"}, "0 open\n100 " + name + "\n200 end\n");
        EXPECT_EQ(run.exit_status, 0) << run.err;
        const std::string end_at = name == "end" ? "100 end " : "200 end ";
        EXPECT_NE(run.out.find("\n" + end_at), std::string::npos) << run.out;
    }
    std::set<std::string> known;
    for (int i = 0; i < kActionCount; ++i)
        known.insert(std::string(action_name(static_cast<Action>(i))));
    EXPECT_EQ(documented, known);
}

TEST(DocumentedActions, TheModesOnThePageAreThoseOfTheProgram) {
    Rows expected;
    for (int mode = 0; mode <= 9; ++mode)
        expected.emplace_back(std::to_string(mode), std::string(mode_name(mode)));
    EXPECT_EQ(table_under("### Modes"), expected);
}

}  // namespace
}  // namespace gorvo::sim::test
