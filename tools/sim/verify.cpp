#include "sim/verify.h"

#include <vector>

#include "replay/game_watch.h"
#include "sim/draws.h"

namespace gorvo::sim {

namespace {

std::string two_digits(Millis n) {
    return (n < 10 ? "0" : "") + std::to_string(n);
}

std::string game_text(char game, int score, Millis at) {
    return std::string("a game of ") + game + " ending at " + std::to_string(at) +
           " ms with score " + std::to_string(score);
}

std::string game_line(const replay::FinishedGame& g) {
    return std::to_string(g.ended) + " game " + g.game + " score " + std::to_string(g.score) +
           " duration " + duration_text(g.duration());
}

// Where the replay's games and the file's notes first disagree; empty when they agree.
std::string first_disagreement(const std::vector<replay::FinishedGame>& games,
                               const std::vector<replay::ScriptEvent>& notes) {
    for (std::size_t i = 0; i < games.size() || i < notes.size(); ++i) {
        if (i >= notes.size()) {
            const replay::FinishedGame& g = games[i];
            return "the replay has " + game_text(g.game, g.score, g.ended) +
                   ", which the file does not note";
        }
        const replay::ScriptEvent& n = notes[i];
        const std::string noted = "line " + std::to_string(n.line) + ": the file notes " +
                                  game_text(n.game, n.value, n.time);
        if (i >= games.size()) return noted + ", which the replay does not have";
        const replay::FinishedGame& g = games[i];
        if (g.game != n.game || g.score != n.value || g.ended != n.time)
            return noted + "; the replay has " + game_text(g.game, g.score, g.ended);
    }
    return {};
}

}  // namespace

std::string duration_text(Millis ms) {
    const Millis hours = ms / 3'600'000;
    const Millis minutes = ms / 60'000 % 60;
    const Millis seconds = ms / 1000 % 60;
    const Millis millis = ms % 1000;
    std::string text =
        hours > 0 ? std::to_string(hours) + ":" + two_digits(minutes) : std::to_string(minutes);
    text += ":" + two_digits(seconds) + ".";
    text += (millis < 100 ? "0" : "") + two_digits(millis);
    return text;
}

RunResult verify_script(const replay::Script& script, const StartValues& start,
                        RandomSource& random, std::ostream& out) {
    std::vector<replay::ScriptEvent> notes;
    for (const replay::ScriptEvent& e : script.events) {
        if (e.action == replay::Action::game_over) notes.push_back(e);
    }
    Simulation sim(start, random, script.events);
    replay::GameWatch watch;
    std::vector<replay::FinishedGame> games;
    try {
        sim.run_to(script.end_time, [&](Millis t) {
            sim.forget_instant();
            if (auto game = watch.after_instant(t, sim.handheld().state())) {
                games.push_back(*game);
                out << game_line(*game) << '\n';
            }
        });
    } catch (const DrawsExhausted&) {
        return draws_ran_out(sim.handheld());
    }
    if (std::string where = first_disagreement(games, notes); !where.empty())
        return {kNotVerified, "not verified: " + where};
    out << "verified: " << games.size() << (games.size() == 1 ? " game" : " games")
        << ", every game over noted in the file happens in the replay with its score at its "
           "time\n";
    return {};
}

}  // namespace gorvo::sim
