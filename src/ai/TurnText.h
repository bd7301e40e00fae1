// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// A turn in words, for the status bar and screen readers: "фишка в столбец 5, сдвиг рейки 3
// вправо". Columns and rails are counted from 1, as the board's button names count them.
#pragma once

#include <string>

#include "Turn.h"

namespace reikoboy::ai {

std::string describeClick(const Click& click);
std::string describeTurn(const Turn& turn);

// The same turn told as done, with verbs, for a sentence about a player: "бросил фишку в
// столбец 5 и сдвинул рейку 3 вправо"; drops in a row go together ("бросил фишки в столбцы 5
// и 7").
std::string describeTurnDone(const Turn& turn);

}  // namespace reikoboy::ai
