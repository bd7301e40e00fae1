// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// A turn in words in the language the window speaks. The words come from the computer
// player's own text (standard C++, shared with the replay tool), which has an English twin
// for each of its Russian functions.
#pragma once

#include <QString>

#include "ai/TurnText.h"
#include "ui/start/Language.h"

namespace reikoboy {

inline bool speaksEnglish() { return currentLanguage() == QLatin1String("en"); }

// "фишка в столбец 5" / "chip into column 5"
inline QString clickWords(const ai::Click& click) {
    return QString::fromStdString(speaksEnglish() ? ai::describeClickEnglish(click) : ai::describeClick(click));
}

// "фишка в столбец 5, сдвиг рейки 3 вправо" / "chip into column 5, rail 3 right"
inline QString turnWords(const ai::Turn& turn) {
    return QString::fromStdString(speaksEnglish() ? ai::describeTurnEnglish(turn) : ai::describeTurn(turn));
}

// "бросил фишку в столбец 5 и передал ход" / "dropped a chip into column 5 and passed the turn"
inline QString turnDoneWords(const ai::Turn& turn) {
    return QString::fromStdString(speaksEnglish() ? ai::describeTurnDoneEnglish(turn) : ai::describeTurnDone(turn));
}

}  // namespace reikoboy
