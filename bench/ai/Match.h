// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// One whole game between two players, through the rules and nothing else: each turn a player
// names is played click by click and must be a legal turn, or that player loses the game.
#pragma once

#include <cstdint>
#include <vector>

#include "Opponents.h"

namespace reikoboy::bench {

// Players who both see no gain in any move can slide rails for ever; such a game is decided by
// the points it has reached after this many turns, about twice a finished game's length.
inline constexpr int kTurnLimit = 300;

struct MatchResult {
    int blueScore = 0;
    int redScore = 0;
    int turns = 0;
    bool capped = false;      // stopped at the turn limit, decided by the points so far
    int forfeitColour = -1;   // the colour that named an illegal turn, or -1
    // +1 blue won, -1 red won, 0 a draw
    int winner() const;
};

// The game begins with `openingTurns` random turns from `seed`, so that games differ;
// `positions`, when given, collects every board at rest where a player was to move.
MatchResult playMatch(Player& blue, Player& red, std::uint32_t seed, int openingTurns, int turnLimit = kTurnLimit,
                      std::vector<GameState>* positions = nullptr);

}  // namespace reikoboy::bench
