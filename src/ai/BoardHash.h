// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// A number that tells boards apart: the rails, the chips, the drum, the scores and the turn,
// so that a board met again, in the game or in the search, is known for the same one.
#pragma once

#include <cstdint>

#include "game/GameState.h"

namespace reikoboy::ai {

std::uint64_t boardHash(const GameState& state);

}  // namespace reikoboy::ai
