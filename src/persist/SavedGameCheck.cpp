// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "SavedGameCheck.h"

#include <cmath>

namespace reikoboy {

namespace {

constexpr int kPointsPerChipAtMost = 50;
constexpr int kPointsStep = 10;

// A whole pixel on the animation's 4-pixel steps, `residue` pixels past them.
bool onTickSteps(float position, int residue) {
    if (position != std::trunc(position)) return false;
    long pixel = long(position) - residue;
    return pixel % kTickPixels == 0;
}

int countOut(const GameState& s, int colour) {
    int n = 0;
    for (Value flag : s.out(colour)) n += flag == 1 ? 1 : 0;
    return n;
}

// How far rail r's picture is from where its shift puts it at rest; the rail slides its
// whole way within one cell, so at most 40 pixels either way (40 only at the instant
// between the click and the first tick).
float railOffset(const GameState& s, int r) { return s.Image1[r].Left - railLeftAt(s.railShift[r]); }

bool railsFit(const GameState& s, bool& oneSliding) {
    int sliding = 0;
    for (int r = 0; r < kRails; ++r) {
        if (!onTickSteps(s.Image1[r].Left, 0)) return false;
        float offset = railOffset(s, r);
        if (std::fabs(offset) > float(kCell)) return false;
        if (offset != 0) ++sliding;
        // The start pattern moved by the shift, and nothing but holes beyond its ends.
        for (int p = 0; p < kRailPositions; ++p) {
            Value cell = s.railCells[p][r];
            int k = p - kPositionOffset - s.railShift[r];
            if (k >= 0 && k < kColumns) {
                int solid = kStartPattern[size_t(kColumns * r + k)] == '1' ? 1 : 0;
                if (!cell.isSet() || cell != solid) return false;
            } else if (cell != 0) {
                return false;
            }
        }
    }
    oneSliding = sliding == 1;
    return sliding <= 1;  // one rail slides at a time
}

}  // namespace

bool couldHaveBeenWritten(const GameState& s) {
    bool railSliding = false;
    if (!railsFit(s, railSliding)) return false;

    int outFlags = 0;
    bool chipFalling = false;
    float fallStep = 0;
    struct Cell {
        int column, level;
    } fallingInto[2 * kChipsPerColour];
    int fallingCount = 0;
    bool taken[kColumns][kLevels] = {};
    for (int colour : {kBlue, kRed}) {
        int out = countOut(s, colour);
        outFlags += out;
        int score = colour == kBlue ? int(s.blueScore) : int(s.redScore);
        if (score % kPointsStep != 0 || score > kPointsPerChipAtMost * out) return false;

        int dropped = s.dropped(colour);
        for (int i = 0; i < kChipsPerColour; ++i) {
            const ChipPicture& chip = s.chips(colour)[i];
            if (s.out(colour)[i] == 1) {
                // Gone: dropped before, hidden and put away at (0, 0).
                if (i >= dropped || chip.Visible || chip.Left != 0 || chip.Top != 0) return false;
                continue;
            }
            if (!chip.Visible) return false;
            if (i >= dropped) continue;  // still in the stock

            if (!onTickSteps(chip.Left, 0) || !onTickSteps(chip.Top, kChipTop0 % kTickPixels)) return false;
            int column = columnOf(chip), level = levelOf(chip);
            // A chip reaching the bottom rail leaves in the same tick: never seen at level 5.
            if (column < 0 || column >= kColumns || level < 0 || level >= kLevels - 1) return false;
            if (taken[column][level]) return false;
            taken[column][level] = true;
            if (chip.Top != chipTopAt(level)) {
                // Chips fall together, one step of four pixels per tick.
                float step = chip.Top - chipTopAt(level);
                if (chipFalling && step != fallStep) return false;
                chipFalling = true;
                fallStep = step;
                fallingInto[fallingCount++] = {column, level + 1};
            }

            // It lies in a hole of its rail, and moves with that rail while it slides.
            float atRest = chip.Left - railOffset(s, level);
            float fromFirst = atRest - float(kChipLeft0);
            if (std::fmod(fromFirst, float(kCell)) != 0) return false;
            int restColumn = int(fromFirst) / kCell;
            if (fromFirst < 0 || restColumn >= kColumns) return false;
            if (s.railCells[restColumn + kPositionOffset][level] != 0) return false;
        }
    }
    if (railSliding && chipFalling) return false;  // chips fall only once the rail has stopped
    // A falling chip drops into a free hole of the rail below.
    for (int k = 0; k < fallingCount; ++k) {
        Cell into = fallingInto[k];
        if (taken[into.column][into.level]) return false;
        if (s.railCells[into.column + kPositionOffset][into.level] != 0) return false;
    }
    return s.chipsOut == outFlags;
}

}  // namespace reikoboy
