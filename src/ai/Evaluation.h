// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// How good a board at rest is for one colour, in points: the score so far, and what the
// chips still in play are likely to bring, read from the points table under the drum, how
// near each chip is to the bottom and how few rail shifts would let it fall.
#pragma once

#include "game/GameState.h"

namespace reikoboy::ai {

struct EvaluationWeights {
    double chipOnBoard = 1.0;    // share of a chip's likely points counted while it is in play
    double chipInStock = 0.25;   // the same for a chip not yet dropped
    double nearFall = 0.15;      // extra share per shift of a rail below that lets it fall
    double drumNow = 0.5;        // how much the drum's present position weighs against the others
};

inline constexpr double kWin = 100000;  // a won game, beyond any difference of points

// The value of `state` for `colour`: positive is good for it. A finished game is ±kWin plus
// the points difference, 0 plus nothing for a draw.
double evaluate(const GameState& state, int colour, const EvaluationWeights& weights = {});

// The points difference alone, for `colour`.
int scoreDifference(const GameState& state, int colour);

}  // namespace reikoboy::ai
