#include "climber.h"

#include <array>
#include <vector>

namespace gorvo::soak {

namespace {

// Directions and jump only: the climber never leaves the game.
sim::PlayStyle climber_style() {
    return {{0, 0, 0, 0, 1, 1, 1, 1, 1}, 95, 200, 0, 150, 0};
}

Move to(Control c, int col, int row, int hit_col = -1, int hit_row = -1) {
    return {c, col, row, hit_col, hit_row};
}

void vine_moves(int col, int row, std::vector<Move>& out) {
    if (col < 2) return;
    if (row == 1) out.push_back(to(Control::Down, col, 2, col + 1, 2));
    if (row == 2) {
        out.push_back(to(Control::Up, col, 1));
        out.push_back(to(Control::Down, col, 3, col, 3));
    }
    if (row == 3) {
        out.push_back(to(Control::Up, col, 2, col + 1, 2));
        out.push_back(to(Control::Down, col, 4));
    }
}

// Left and right along a walking row; a step between columns k - 1 and k crosses cell k.
void walking_moves(int col, int row, std::vector<Move>& out) {
    if (col < 5) out.push_back(to(Control::Right, col + 1, row, col + 1, row));
    if (col > 1) out.push_back(to(Control::Left, col - 1, row, col, row));
}

// The moves that always lead somewhere solid (no jump that falls back).
std::vector<Move> moves_from(int col, int row) {
    std::vector<Move> out;
    vine_moves(col, row, out);
    if (row == 4) {
        walking_moves(col, row, out);
        if (col >= 2) out.push_back(to(Control::Jump, col, 3, col, 3));
        if (col == 1) out.push_back(to(Control::Down, 1, 5, 1, 5));
    }
    if (row == 5 && col == 1) {
        out.push_back(to(Control::Up, 1, 4));
        out.push_back(to(Control::Down, 1, 6, 1, 6));
    }
    if (row == 6) {
        walking_moves(col, row, out);
        if (col == 1) out.push_back(to(Control::Jump, 1, 5, 1, 5));
        if (col == 5) out.push_back(to(Control::Down, 5, 7, 5, 6));
    }
    if (row == 7 && col == 5) {
        out.push_back(to(Control::Up, 5, 6));
        out.push_back(to(Control::Down, 5, 8));
    }
    if (row == 8) {
        walking_moves(col, row, out);
        if (col == 5) out.push_back(to(Control::Jump, 5, 7, 5, 6));
    }
    if (row == 9) out.push_back(to(Control::Up, 1, 8));
    return out;
}

bool in_mid_air(int col, int row) {
    return (col == 1 && row == 3) ||
           (col <= 4 && (row == 5 || row == 7) && !(col == 1 && row == 5));
}

// Where Tobo uses the key, and how.
Move goal_for(int key_pos) {
    if (key_pos == 1) return to(Control::Jump, 1, 4);                      // upper key place
    if (key_pos >= 2 && key_pos <= 5) return to(Control::Up, key_pos, 1);  // the lock
    return to(Control::Jump, 1, 8, 1, 6);                                  // bottom key place
}

}  // namespace

std::optional<Move> next_move(int col, int row, int key_pos) {
    if (col < 1 || col > 5 || row < 1 || row > 9 || in_mid_air(col, row)) return std::nullopt;
    const Move goal = goal_for(key_pos);
    if (col == goal.col && row == goal.row) return goal;
    // Breadth-first from Tobo; first[] remembers the move that left the start.
    std::array<std::optional<Move>, 50> first{};
    std::array<bool, 50> seen{};
    auto index = [](int c, int r) { return c * 10 + r - 10; };
    std::array<std::pair<int, int>, 50> queue{};  // each position enters once
    std::size_t head = 0;
    std::size_t tail = 0;
    queue[tail++] = {col, row};
    seen[index(col, row)] = true;
    while (head < tail) {
        const auto [c, r] = queue[head++];
        for (const Move& m : moves_from(c, r)) {
            const int i = index(m.col, m.row);
            if (seen[i]) continue;
            seen[i] = true;
            first[i] = (c == col && r == row) ? m : first[index(c, r)];
            if (m.col == goal.col && m.row == goal.row) return first[i];
            queue[tail++] = {m.col, m.row};
        }
    }
    return std::nullopt;
}

Climber::Climber(std::uint64_t seed, const Handheld& hh)
    : sim::RandomPlayer(seed, climber_style()), hh_(hh) {}

sim::ScriptEvent Climber::next(Millis now) {
    if (idle()) decide(now);
    return RandomPlayer::next(now);
}

void Climber::decide(Millis now) {
    const GameState& s = hh_.state();
    const bool playing = s.game_mode == mode_game_a || s.game_mode == mode_game_b;
    if (!playing) return;  // a random press
    std::optional<Move> m;
    if (s.play_enabled) m = next_move(s.tobo_col, s.tobo_row, s.key_pos);
    if (!m || (m->hit_col >= 0 && s.cell(m->hit_col, m->hit_row) == 1)) {
        // No way, or an enemy in it. Waiting: Time does nothing during a game but show the
        // button pressed.
        press_for(now + uniform(50, 250), Control::Time, uniform(10, 40));
    } else if (uniform(0, 19) != 0) {
        const Millis hold = m->control == Control::Jump ? uniform(5, 80) : uniform(95, 200);
        press_for(now + uniform(0, 120), m->control, hold);
    }
    // Otherwise, once in twenty, a random press of the climber's own.
}

}  // namespace gorvo::soak
