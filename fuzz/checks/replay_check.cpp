// A recording as --verify and --replay take it: read whole, then, when it reads, run through the
// engine headless with its notes checked, and its playback time worked out as the window does.
// A hostile file must end in a refusal or a verdict, never a crash or a hang.
#include <algorithm>
#include <sstream>

#include "checks/targets.h"
#include "replay/generator.h"
#include "replay/playback_time.h"
#include "replay/script.h"
#include "sim/verify.h"

namespace gorvo::fuzz {
namespace {

// The engine runs at most this much of a recording per input, so that a run stays short.
constexpr Millis kLongestRun = 120'000;

replay::Script first_part(replay::Script script) {
    script.end_time = std::min(script.end_time, kLongestRun);
    std::erase_if(script.events,
                  [&script](const replay::ScriptEvent& e) { return e.time > script.end_time; });
    return script;
}

std::string verify_problem(const replay::Script& script) {
    const replay::Header& h = script.header;
    const sim::StartValues start{h.clock_minutes.value_or(0), h.hiscore_a.value_or(0),
                                 h.hiscore_b.value_or(0), h.overlay.value_or(true)};
    replay::Generator random(h.seed.value_or(0));
    std::ostringstream games;
    const sim::RunResult result = sim::verify_script(script, start, random, games);
    if (result.exit_status == 0) {
        if (games.str().find("verified: ") == std::string::npos)
            return "verified without saying so";
        return {};
    }
    if (result.exit_status != sim::kNotVerified)
        return "verify ended with status " + std::to_string(result.exit_status);
    if (result.message.empty()) return "not verified, with no place named";
    return {};
}

std::string playback_problem(const replay::Script& script) {
    const replay::PlaybackTime time(replay::lcd_change_times(script), script.end_time);
    if (time.length() > script.end_time) return "the playback is longer than the recording";
    Millis last = 0;
    for (Millis p = 0; p <= time.length(); p += std::max<Millis>(1, time.length() / 64)) {
        const Millis e = time.engine_at(p);
        if (e < last || e > script.end_time) return "the playback's engine time goes wrong";
        last = e;
    }
    return {};
}

}  // namespace

std::string check_replay(Input input) {
    const std::string_view text(reinterpret_cast<const char*>(input.data()), input.size());
    const replay::ScriptParse parsed = replay::parse_script(text);
    if (!parsed.ok()) {
        return parsed.error->message.empty() ? "a refusal without a message" : std::string();
    }
    const replay::Script script = first_part(parsed.script);
    if (std::string problem = verify_problem(script); !problem.empty()) return problem;
    return playback_problem(script);
}

}  // namespace gorvo::fuzz
