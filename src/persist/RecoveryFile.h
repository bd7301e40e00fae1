// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The game a session ended in without a chance to ask the players: kept in the user's data
// folder in the saved-game format, offered at the next start, and gone once answered.
#pragma once

#include <QString>

#include "game/GameState.h"

namespace reikoboy {

// "<data folder>/Рейкобой/interrupted.sav"; empty when the user has no home to keep it in.
QString recoveryFileName();

// Writes the game whole or not at all, making the folder first; false when nothing was kept.
bool keepInterruptedGame(const GameState& state);

// Removes the file, whatever it is; a folder in its place stays.
void forgetInterruptedGame();

}  // namespace reikoboy
