#include "run_program.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace gorvo::sim::test {

namespace {

std::filesystem::path temp_dir() {
    static const std::filesystem::path dir = [] {
        auto d = std::filesystem::temp_directory_path() /
                 ("gorvo-sim-test-" + std::to_string(::getpid()));
        std::filesystem::create_directories(d);
        return d;
    }();
    return dir;
}

std::string shell_quoted(const std::string& s) {
    std::string q(1, '\'');
    for (char c : s) {
        if (c == '\'') {
            q += "'\\''";
        } else {
            q += c;
        }
    }
    q += '\'';
    return q;
}

}  // namespace

std::string temp_file(const std::string& name, const std::string& text) {
    const std::filesystem::path p = temp_dir() / name;
    std::ofstream(p, std::ios::binary) << text;
    return p.string();
}

std::string read_file(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

ProgramRun run_sim(const std::vector<std::string>& args, const std::string& input) {
    static int counter = 0;
    const std::string tag = std::to_string(++counter);
    const std::string in = temp_file("in" + tag, input);
    const std::string out = (temp_dir() / ("out" + tag)).string();
    const std::string err = (temp_dir() / ("err" + tag)).string();
    std::string command = shell_quoted(GORVO_SIM_PROGRAM);
    for (const std::string& a : args) {
        command += ' ';
        command += shell_quoted(a);
    }
    // Appended piece by piece: gcc 12 misreads `literal + string` chains at -O2 (-Wrestrict).
    for (const auto& [redirect, path] : {std::pair{" <", in}, {" >", out}, {" 2>", err}}) {
        command += redirect;
        command += shell_quoted(path);
    }
    const int status = std::system(command.c_str());
    ProgramRun run;
    run.exit_status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = read_file(out);
    run.err = read_file(err);
    return run;
}

}  // namespace gorvo::sim::test
