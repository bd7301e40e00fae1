// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The order of the 244 values of a saved game, written once for both writing and reading.
// A visitor receives each value with its kind and range, and the line breaks between them.
#pragma once

#include "game/GameState.h"

namespace reikoboy {

inline constexpr int kSavedValueCount = 244;

template <class State, class Visitor>
void visitSavedValues(State& s, Visitor& v) {
    for (int r = 0; r < kRails; ++r) {
        v.position(s.Image1[r].Left);
        v.endLine();
        v.number(s.railShift[r], -kMaxShift, kMaxShift);
        v.endLine();
    }
    v.number(s.drumPos, 0, kDrumPositions - 1);
    v.comma();
    v.number(s.blueScore, 0, kMaxScore);
    v.comma();
    v.number(s.redScore, 0, kMaxScore);
    v.comma();
    v.number(s.blueDropped, 0, kChipsPerColour);
    v.comma();
    v.number(s.redDropped, 0, kChipsPerColour);
    v.comma();
    v.number(s.turnColour, kBlue, kRed);
    v.comma();
    v.number(s.chipsOut, 0, 2 * kChipsPerColour);
    v.comma();
    v.number(s.lastMoved, kNothingMoved, kDrumLastMoved);
    v.endLine();
    for (int r = 0; r < kRails; ++r) {
        for (int p = 0; p < kRailPositions; ++p) {
            v.number(s.railCells[p][r], 0, 1);
            v.endLine();
        }
    }
    for (int i = 0; i < kChipsPerColour; ++i) {
        for (auto* chip : {&s.Image5[i], &s.Image6[i]}) {
            v.position(chip->Left);
            v.endLine();
            v.position(chip->Top);
            v.endLine();
            v.truth(chip->Visible);
            v.endLine();
        }
        v.number(s.blueOut[i], 0, 1);
        v.comma();
        v.number(s.redOut[i], 0, 1);
        v.endLine();
    }
    for (int i = 0; i < kFallSlots; ++i) {
        v.number(s.blueFalling[i], 0, kChipsPerColour - 1);
        v.comma();
        v.number(s.redFalling[i], 0, kChipsPerColour - 1);
        v.endLine();
    }
}

}  // namespace reikoboy
