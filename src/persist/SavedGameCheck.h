// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Whether a saved game, read in full, shows a board this program could have written: at rest
// or in the middle of a rail slide or a fall. Anything else is a damaged file, however well
// each value reads on its own. Standard C++.
#pragma once

#include "game/GameState.h"

namespace reikoboy {

bool couldHaveBeenWritten(const GameState& state);

}  // namespace reikoboy
