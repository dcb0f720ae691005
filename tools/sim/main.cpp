// gorvo250-sim: runs the handheld without window, sound or settings file on a virtual clock,
// from a script of timed inputs, and prints what a player would see and hear.
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <sstream>

#include "sim/draws.h"
#include "sim/options.h"
#include "sim/runner.h"
#include "sim/script.h"
#include "sim/usage.h"

namespace {

constexpr int kUsageError = 2;

bool read_text(const std::string& path, std::string& text) {
    std::ostringstream buffer;
    if (path == "-") {
        buffer << std::cin.rdbuf();
        if (std::cin.bad()) return false;
    } else {
        // A folder opens like a file on some systems and then reads as empty.
        std::error_code ec;
        if (std::filesystem::is_directory(path, ec)) return false;
        std::ifstream in(path, std::ios::binary);
        if (!in) return false;
        buffer << in.rdbuf();
        if (in.bad()) return false;
    }
    text = buffer.str();
    return true;
}

int fail(const std::string& message) {
    std::cerr << "gorvo250-sim: " << message << '\n';
    return kUsageError;
}

std::unique_ptr<gorvo::RandomSource> make_random(const gorvo::sim::Options& o, std::string& error) {
    using namespace gorvo::sim;
    if (o.draws_path) {
        std::string text;
        if (!read_text(*o.draws_path, text)) {
            error = "cannot read the draws file '" + *o.draws_path + "'";
            return nullptr;
        }
        DrawsParse draws = parse_draws(text);
        if (!draws.ok()) {
            error = *o.draws_path + ": " + draws.error;
            return nullptr;
        }
        return std::make_unique<ListedDraws>(std::move(draws.values));
    }
    const auto seed =
        o.seed ? *o.seed
               : static_cast<std::uint64_t>(
                     std::chrono::high_resolution_clock::now().time_since_epoch().count());
    return std::make_unique<SeededDraws>(seed);
}

}  // namespace

int main(int argc, char** argv) {
    using namespace gorvo::sim;
    std::ios::sync_with_stdio(false);
    const OptionsParse parsed = parse_options(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.ok()) {
        std::cerr << "gorvo250-sim: " << parsed.error << "\n\n"
                  << usage_lines() << "Try 'gorvo250-sim --help' for more.\n";
        return kUsageError;
    }
    const Options& o = parsed.options;
    if (o.help) {
        std::cout << usage_text();
        return 0;
    }
    std::string text;
    const std::string script_name = o.script_path == "-" ? "standard input" : o.script_path;
    if (!read_text(o.script_path, text))
        return fail("cannot read the script '" + script_name + "'");
    const ScriptParse script = parse_script(text);
    if (!script.ok()) return fail(script_name + ": " + describe(*script.error));
    std::string error;
    std::unique_ptr<gorvo::RandomSource> random = make_random(o, error);
    if (!random) return fail(error);

    const StartValues start{o.clock_minutes, o.hiscore_a, o.hiscore_b, o.overlay};
    const RunResult result = run_script(script.script, start, *random, std::cout);
    std::cout.flush();
    if (result.exit_status != 0) std::cerr << "gorvo250-sim: " << result.message << '\n';
    return result.exit_status;
}
