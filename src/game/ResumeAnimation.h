// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// A game saved in the middle of a rail slide or a fall holds the pictures where that moment
// left them, but no running timer. Opening it sets the slide or the fall going again from
// there, so the board settles as it would have, and never stays caught between two cells.
#pragma once

#include "GameState.h"

namespace reikoboy {

// For a state that a saved game's check accepted: at most one rail away from its place, or
// else chips between two levels, all on the same step. Returns whether an animation was set
// going (its timer enabled, with the counters the ticks continue from).
bool resumeAnimation(GameState& state);

}  // namespace reikoboy
