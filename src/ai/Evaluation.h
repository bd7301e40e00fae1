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
//
// The value is the computer's own, not a zero-sum one: its own chips not yet out cost it
// something, more the longer the game goes on, while the other side's cost it nothing unless
// it leads. So it drops and brings out its chips whenever it can, and it does not mind (or,
// ahead, it wants) the other side doing the same: the game moves towards its end.
struct EvaluationWeights {
    double chipOnBoard = 0.15;   // share of a chip's likely points counted while it is in play
    double chipInStock = 0.05;   // the same for a chip not yet dropped
    double nearFall = 0.2;       // extra share per shift of a rail below that lets it fall
    double drumNow = 0.5;        // how much the drum's present position weighs against the others
    // Share of the lead counted again as the game nears its end: the side ahead drives to the
    // end rather than slide rails for ever, and no chip of its own is given away for it.
    double finish = 0;
    double workCost = 1;        // points per unit of work left (a chip in stock is two units)
    double workGrowth = 2;      // added to workCost per hundred turns played
    double workCostCap = 6;     // the most a unit of work ever costs
    double leadPush = 0.5;      // share of the other side's work that costs a side ahead or level
    // Share of a stock chip's cost saved by each drop hole open to the side to move: it drops
    // there next. So a side can see, two turns ahead, that a hole it opened stays open for it.
    double openHole = 0.5;
    // What a game not yet over costs, per hundred turns since a chip last went in or came out,
    // past the first stallGrace of them: a side behind would otherwise keep the last chips from
    // ever leaving. The grace keeps a side from settling for a draw it need not take.
    double stallGrowth = 50;
    double stallGrace = 20;
    // Added to workCost per hundred quiet turns past the grace: chips held back on the board
    // come out in the end, even through columns worth nothing.
    double stallWork = 10;
    // A won game is worth this much beyond its points, a lost one as much less: enough to play
    // for the win, not so much that a side behind stalls for ever rather than lose.
    double winBonus = 30;
};

// How far a game has come: turns played, and turns since a chip last went in or came out.
struct GameClock {
    int turns = 0;
    int quiet = 0;
};

// The value of `state` for `colour`: positive is good for it. A finished game is the points
// difference ± winBonus, 0 for a draw.
double evaluate(const GameState& state, int colour, const EvaluationWeights& weights = {}, GameClock clock = {});

// The work `colour` still has before all its chips are out: two units per chip in stock, and
// for a chip on the board the share of the levels it still has to fall.
double workLeft(const GameState& state, int colour);

// The points difference alone, for `colour`.
int scoreDifference(const GameState& state, int colour);

}  // namespace reikoboy::ai
