// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Every distinct turn the side to move can play from a board at rest, each with the board it
// leaves once everything has settled, played through the rules of Game.
#pragma once

#include <vector>

#include "Turn.h"
#include "game/GameState.h"

namespace reikoboy::ai {

struct TurnResult {
    Turn turn;
    GameState after;
};

// Drops come in rising column order (the order of drops changes only which chip is which);
// of the four drum buttons only the first up and the first down are tried, as the other two
// do the same. `simulated`, when given, counts the moves played.
std::vector<TurnResult> listTurns(const GameState& state, long* simulated = nullptr);

}  // namespace reikoboy::ai
