// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The computer player: the whole turn it plays for the side to move. It looks ahead on copies
// of the game played through the same rules as the window, with a host that stays silent.
#pragma once

#include <atomic>

#include "GameMemory.h"
#include "Level.h"
#include "Turn.h"
#include "game/GameState.h"

namespace reikoboy::ai {

// True once all sixteen chips have left the board.
bool gameOver(const GameState& state);

// The turn `level` plays for the side to move in `state`, which must be at rest. Every click
// is offered when its turn comes, and the last one passes the turn (or ends the game). Empty
// when the game is over, nothing is offered, or `cancel` was set while it thought. `memory`
// holds the boards of the game so far (the present one may be among them): the computer
// keeps clear of boards that keep coming back, and the longer the game, the more it wants
// it to end. The same game so far and level always give the same turn.
Turn chooseTurn(const GameState& state, Level level, const GameMemory& memory,
                const std::atomic<bool>* cancel = nullptr);
// The same for a game whose earlier boards are not known.
Turn chooseTurn(const GameState& state, Level level, const std::atomic<bool>* cancel = nullptr);

}  // namespace reikoboy::ai
