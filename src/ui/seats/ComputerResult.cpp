// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/seats/ComputerResult.h"

namespace reikoboy {

QString endOfGameAgainstComputer(const GameState& s, int computerColour) {
    const int computer = computerColour == kBlue ? s.blueScore : s.redScore;
    const int person = computerColour == kBlue ? s.redScore : s.blueScore;
    if (computer > person)
        return QStringLiteral("Компьютер выиграл %1 : %2.\nХотите сыграть ещё?").arg(computer).arg(person);
    if (person > computer)
        return QStringLiteral("Вы выиграли %1 : %2!\nХотите сыграть ещё?").arg(person).arg(computer);
    return QStringLiteral("Ничья, %1 : %2.\nХотите сыграть ещё?").arg(person).arg(computer);
}

}  // namespace reikoboy
