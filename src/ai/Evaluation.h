// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// How good a board at rest is for one colour, in points: the score so far, and what the
// chips still in play are likely to bring, read from the points table under the drum, how
// near each chip is to the bottom and how few rail shifts would let it fall.
#pragma once

#include "game/GameState.h"

namespace reikoboy::ai {

// Chips in play count for a small share of their likely points only. Larger shares, tried in
// whole games, made the computer guard its chips rather than score: it lost more games, and
// more of them stalled with neither side willing to move the rails that matter.
struct EvaluationWeights {
    double chipOnBoard = 0.15;   // share of a chip's likely points counted while it is in play
    double chipInStock = 0.05;   // the same for a chip not yet dropped
    double nearFall = 0.2;       // extra share per shift of a rail below that lets it fall
    double drumNow = 0.5;        // how much the drum's present position weighs against the others
    // Share of the lead counted again as the game nears its end: the side ahead drives to the
    // end rather than slide rails for ever, and no chip of its own is given away for it.
    double finish = 0;
};

inline constexpr double kWin = 100000;  // a won game, beyond any difference of points

// The value of `state` for `colour`: positive is good for it. A finished game is ±kWin plus
// the points difference, 0 plus nothing for a draw.
double evaluate(const GameState& state, int colour, const EvaluationWeights& weights = {});

// The points difference alone, for `colour`.
int scoreDifference(const GameState& state, int colour);

}  // namespace reikoboy::ai
