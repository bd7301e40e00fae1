// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// One whole game between two players, through the rules and nothing else: each turn a player
// names is played click by click and must be a legal turn, or that player loses the game.
#pragma once

#include <cstdint>
#include <vector>

#include "Opponents.h"

namespace reikoboy::bench {

// Players who both see no gain in any move can slide rails for ever; a game still going after
// this many turns, about three times a finished game's length, is stopped and won by nobody.
inline constexpr int kTurnLimit = 400;

struct MatchResult {
    int blueScore = 0;
    int redScore = 0;
    int turns = 0;
    bool unfinished = false;  // stopped at the turn limit: nobody won it
    int forfeitColour = -1;   // the colour that named an illegal turn, or -1
    // +1 blue won, -1 red won, 0 a draw or unfinished
    int winner() const;
};

// A board at rest where a player was to move, with the game's boards up to it.
struct Position {
    GameState board;
    ai::GameMemory memory;
};

// The game begins with `openingTurns` random turns from `seed`, so that games differ;
// `positions`, when given, collects every position after the opening.
MatchResult playMatch(Player& blue, Player& red, std::uint32_t seed, int openingTurns, int turnLimit = kTurnLimit,
                      std::vector<Position>* positions = nullptr);

}  // namespace reikoboy::bench
