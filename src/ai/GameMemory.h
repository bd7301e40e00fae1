// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// What the computer remembers of the game so far: the boards at the start of each turn, how
// many turns were played, and how long ago a chip last went in or came out. A board that comes
// back for the third time is a stall, and stalls are what the computer must break.
#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "game/GameState.h"

namespace reikoboy::ai {

class GameMemory {
public:
    GameMemory() = default;
    // The boards of a game, oldest first; boards in the middle of a turn are passed over.
    explicit GameMemory(const std::vector<GameState>& boards);

    // Remembers a board at rest; only a board where a turn begins (no chip dropped in it yet)
    // counts, and the same board twice in a row counts once.
    void add(const GameState& board);

    // How often this board has been met at the start of a turn.
    int seen(std::uint64_t hash) const;
    int seen(const GameState& board) const;

    // Whether `hash` is the board remembered last.
    bool endsWith(std::uint64_t hash) const { return turns_ > 0 && last_ == hash; }

    // Turns begun so far.
    int turns() const { return turns_; }
    // Turns since the last one that dropped a chip or brought one out.
    int quietTurns() const { return quietTurns_; }

private:
    std::unordered_map<std::uint64_t, int> seen_;
    std::uint64_t last_ = 0;
    int progress_ = -1;  // chips dropped and out, both sides, at the last board
    int turns_ = 0;
    int quietTurns_ = 0;
};

// Chips dropped by both sides plus chips out: it only grows in a game.
int progressCount(const GameState& state);

}  // namespace reikoboy::ai
