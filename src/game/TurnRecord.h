// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The record of a game: its clicks grouped into whole turns, each with whose it was and the
// points it brought each colour, the turns that redo would play again included.
#pragma once

#include <vector>

#include "History.h"

namespace reikoboy {

struct RecordedTurn {
    int mover = 0;
    std::vector<BoardClick> clicks;
    int blueGain = 0;
    int redGain = 0;
    bool takenBack = false;  // taken back, and redo would play it again
};

// From the history of `now`'s game; the taken-back turns are played on a copy to learn what
// they bring.
std::vector<RecordedTurn> recordTurns(const History& history, const GameState& now);

}  // namespace reikoboy
