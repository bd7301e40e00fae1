// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The end-of-game question of a game against the computer: it names who won, the person or
// the computer, with the score, instead of congratulating a colour that may be the computer's.
#pragma once

#include <QString>

#include "game/GameState.h"

namespace reikoboy {

// "Компьютер выиграл 240 : 160. Хотите сыграть ещё?", "Вы выиграли 180 : 80! Хотите сыграть
// ещё?" or "Ничья, 120 : 120. Хотите сыграть ещё?"; the winner's points first.
QString endOfGameAgainstComputer(const GameState& state, int computerColour);

}  // namespace reikoboy
