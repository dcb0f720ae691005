// gorvo250-sim: runs the handheld without window, sound or settings file on a virtual clock,
// from a script of timed inputs, and prints what a player would see and hear.
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>

#include "replay/generator.h"
#include "replay/script.h"
#include "sim/draws.h"
#include "sim/options.h"
#include "sim/runner.h"
#include "sim/usage.h"
#include "sim/verify.h"

namespace {

constexpr int kUsageError = 2;
// A recording of a whole evening is a few hundred kilobytes; beyond this a file is no script.
constexpr std::streamsize kLargestScript = 32LL * 1024 * 1024;

enum class Read { ok, failed, too_large };

Read read_text(const std::string& path, std::string& text) {
    std::ifstream file;
    std::istream* in = &std::cin;
    if (path != "-") {
        // A folder opens like a file on some systems and then reads as empty.
        std::error_code ec;
        if (std::filesystem::is_directory(path, ec)) return Read::failed;
        file.open(path, std::ios::binary);
        if (!file) return Read::failed;
        in = &file;
    }
    text.assign(static_cast<std::size_t>(kLargestScript) + 1, '\0');
    in->read(text.data(), kLargestScript + 1);
    if (in->bad()) return Read::failed;
    text.resize(static_cast<std::size_t>(in->gcount()));
    return in->gcount() > kLargestScript ? Read::too_large : Read::ok;
}

int fail(const std::string& message) {
    std::cerr << "gorvo250-sim: " << message << '\n';
    return kUsageError;
}

std::unique_ptr<gorvo::RandomSource> make_random(const gorvo::sim::Options& o,
                                                 const gorvo::replay::Header& header,
                                                 std::string& error) {
    using namespace gorvo::sim;
    if (o.draws_path) {
        std::string text;
        if (read_text(*o.draws_path, text) != Read::ok) {
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
    if (!o.seed && !header.seed && o.verify) {
        error = "the script has no seed line, which every recording has; give --seed or --draws";
        return nullptr;
    }
    const auto seed =
        o.seed        ? *o.seed
        : header.seed ? *header.seed
                      : static_cast<std::uint64_t>(
                            std::chrono::high_resolution_clock::now().time_since_epoch().count());
    return std::make_unique<gorvo::replay::Generator>(seed);
}

// An option given on the command line, else the script's header line, else the default.
gorvo::sim::StartValues start_values(const gorvo::sim::Options& o, const gorvo::replay::Header& h) {
    auto pick = [&o](const char* option, auto given, auto from_header) {
        return o.given.contains(option) ? given : from_header.value_or(given);
    };
    return {pick("--clock", o.clock_minutes, h.clock_minutes),
            pick("--hiscore-a", o.hiscore_a, h.hiscore_a),
            pick("--hiscore-b", o.hiscore_b, h.hiscore_b), pick("--overlay", o.overlay, h.overlay)};
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
    const Read read = read_text(o.script_path, text);
    if (read == Read::failed) return fail("cannot read the script '" + script_name + "'");
    if (read == Read::too_large) return fail(script_name + ": larger than 32 MiB, not a script");
    const gorvo::replay::ScriptParse script = gorvo::replay::parse_script(text);
    if (!script.ok()) return fail(script_name + ": " + gorvo::replay::describe(*script.error));
    std::string error;
    const gorvo::replay::Header& header = script.script.header;
    std::unique_ptr<gorvo::RandomSource> random = make_random(o, header, error);
    if (!random) return fail(error);

    const StartValues start = start_values(o, header);
    const RunResult result = o.verify ? verify_script(script.script, start, *random, std::cout)
                                      : run_script(script.script, start, *random, std::cout);
    std::cout.flush();
    if (result.exit_status == kNotVerified) {
        std::cerr << "gorvo250-sim: " << script_name << ": " << result.message << '\n';
    } else if (result.exit_status != 0) {
        std::cerr << "gorvo250-sim: " << result.message << '\n';
    }
    return result.exit_status;
}
