// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Plays a whole turn through the rules, as the board's buttons would, and checks that it was
// a turn: every click offered when it came, and the turn passed (or the game over) at the end.
#pragma once

#include "Turn.h"
#include "game/Game.h"

namespace reikoboy::ai {

// Each click is followed by its whole animation. False as soon as a click is not offered, or
// when the turn ends without passing to the other side while the game goes on.
bool playTurn(Game& game, const Turn& turn);

}  // namespace reikoboy::ai
