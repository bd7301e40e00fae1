// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// A game state as bytes, exactly, and patches between two such byte strings: how the move
// history keeps hundreds of boards in little memory. The options (sound switch, background)
// are not part of a game and are left out.
#pragma once

#include <cstdint>
#include <vector>

#include "GameState.h"

namespace reikoboy {

using StateBytes = std::vector<std::uint8_t>;

// Every game field of `state`. Fields of fixed size come first, at the same offset in every
// state, so that two states a click apart differ in few bytes; texts follow at the end.
StateBytes encodeState(const GameState& state);

// Writes the game fields held in `bytes` over `into`; its options stay. False, with `into`
// partly written, when `bytes` did not come from encodeState.
bool decodeState(const StateBytes& bytes, GameState& into);

// The bytes that turn `from` into `to`: the changed runs only.
StateBytes makePatch(const StateBytes& from, const StateBytes& to);

// `from` with `patch` (made by makePatch from these same bytes) applied.
StateBytes applyPatch(const StateBytes& from, const StateBytes& patch);

}  // namespace reikoboy
