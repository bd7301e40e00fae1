// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The board both sides compare: the saved-game bytes of a board at rest (a board still
// moving is first run to its end on a copy), and whether the game is over.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "game/GameState.h"

namespace reikoboy::net {

// SHA-256 of the bytes in lower-case hex; the socket side gives QCryptographicHash's.
using Hasher = std::function<std::string(std::string_view bytes)>;

std::string restBytes(const GameState& state);

bool allChipsOut(const GameState& state);

}  // namespace reikoboy::net
