// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "Evaluation.h"

#include <algorithm>

#include "game/Game.h"

namespace reikoboy::ai {

namespace {

constexpr int kChipsInGame = 2 * kChipsPerColour;

// What a chip leaving through `column` is likely worth: the drum may turn before it falls.
double likelyPoints(int column, int drumPos, double drumNow) {
    double all = 0;
    for (int d = 0; d < kDrumPositions; ++d) all += pointsFor(column, d);
    return drumNow * pointsFor(column, drumPos) + (1 - drumNow) * all / kDrumPositions;
}

bool holeAt(const GameState& s, int position, int rail) {
    return position >= 0 && position < kRailPositions && s.railCells[position][rail] == 0;
}

bool freeCell(const GameState& s, int column, int level) {
    return column >= 0 && column < kColumns && s.blueAt[column][level] == -1 && s.redAt[column][level] == -1;
}

// Shifts of one rail that would let the chip at (column, level) fall a level at once.
int shiftsThatDrop(const GameState& s, int column, int level) {
    if (level + 1 >= kLevels) return 0;
    int below = level + 1;
    int ways = 0;
    for (int d : {-1, +1}) {
        // The rail underneath slides: the cell that comes under the chip was beside it.
        int shifted = s.railShift[below] + d;
        if (shifted >= -kMaxShift && shifted <= kMaxShift && holeAt(s, column + kPositionOffset - d, below) &&
            freeCell(s, column, below))
            ++ways;
        // The chip's own rail slides and takes the chip over a hole.
        int own = s.railShift[level] + d;
        if (own >= -kMaxShift && own <= kMaxShift && holeAt(s, column + d + kPositionOffset, below) &&
            freeCell(s, column + d, below))
            ++ways;
    }
    return ways;
}

}  // namespace

double workLeft(const GameState& s, int colour) {
    int dropped = s.dropped(colour);
    double work = 2.0 * (kChipsPerColour - dropped);
    for (int i = 0; i < dropped && i < kChipsPerColour; ++i) {
        if (s.out(colour)[i] != 0) continue;
        int level = levelOf(s.chips(colour)[i]);
        work += double(kLevels - std::clamp(level, 0, kLevels - 1)) / kLevels;
    }
    return work;
}

int scoreDifference(const GameState& s, int colour) {
    int diff = int(s.blueScore) - int(s.redScore);
    return colour == kBlue ? diff : -diff;
}

double evaluate(const GameState& s, int colour, const EvaluationWeights& w, GameClock clock) {
    int diff = scoreDifference(s, colour);
    if (s.chipsOut >= kChipsInGame) return diff > 0 ? w.winBonus + diff : diff < 0 ? -w.winBonus + diff : 0;

    double stockValue = 0;
    for (int c = kFirstDropColumn; c < kFirstDropColumn + kDropButtons; ++c)
        stockValue += likelyPoints(c, s.drumPos, w.drumNow);
    stockValue /= kDropButtons;

    double value = diff + w.finish * diff * int(s.chipsOut) / kChipsInGame;
    for (int side : {kBlue, kRed}) {
        double sign = side == colour ? 1 : -1;
        int dropped = s.dropped(side);
        value += sign * w.chipInStock * stockValue * (kChipsPerColour - dropped);
        for (int i = 0; i < dropped && i < kChipsPerColour; ++i) {
            if (s.out(side)[i] != 0) continue;
            int column = columnOf(s.chips(side)[i]);
            int level = levelOf(s.chips(side)[i]);
            if (column < 0 || column >= kColumns || level < 0 || level >= kLevels) continue;
            double progress = 0.4 + 0.12 * level + w.nearFall * shiftsThatDrop(s, column, level);
            value += sign * w.chipOnBoard * progress * likelyPoints(column, s.drumPos, w.drumNow);
        }
    }
    double stalled = std::max(0.0, clock.quiet - w.stallGrace) / 100.0;
    double cost = std::min(w.workCostCap, w.workCost + w.workGrowth * clock.turns / 100.0) + w.stallWork * stalled;
    // The side to move drops into the holes open to it.
    int holes = 0;
    for (const BoardButton& drop : s.Command1) holes += drop.Visible;
    auto workOf = [&](int side) {
        double work = workLeft(s, side);
        if (s.turnColour == side) work -= w.openHole * 2 * std::min(holes, kChipsPerColour - int(s.dropped(side)));
        return work;
    };
    double work = workOf(colour) + (diff >= 0 ? w.leadPush * workOf(1 - colour) : 0);
    return value - cost * work - w.stallGrowth * stalled;
}

}  // namespace reikoboy::ai
