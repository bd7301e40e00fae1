// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// A turn in words, for the status bar and screen readers: "фишка в столбец 5, сдвиг рейки 3
// вправо". Columns and rails are counted from 1, as the board's button names count them.
// The Russian words are also the replay tool's output, so they never change; the window
// speaking English uses the *English twins, which take the same turns.
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

// In English: "chip into column 5, rail 3 right"; done: "dropped chips into columns 5 and 9
// and turned the drum up".
std::string describeClickEnglish(const Click& click);
std::string describeTurnEnglish(const Turn& turn);
std::string describeTurnDoneEnglish(const Turn& turn);

}  // namespace reikoboy::ai
