// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/seats/ComputerResult.h"

#include <QCoreApplication>

namespace reikoboy {

QString endOfGameAgainstComputer(const GameState& s, int computerColour) {
    const int computer = computerColour == kBlue ? s.blueScore : s.redScore;
    const int person = computerColour == kBlue ? s.redScore : s.blueScore;
    if (computer > person)
        return QCoreApplication::translate("ComputerResult", "Компьютер выиграл %1 : %2.\nХотите сыграть ещё?")
            .arg(computer)
            .arg(person);
    if (person > computer)
        return QCoreApplication::translate("ComputerResult", "Вы выиграли %1 : %2!\nХотите сыграть ещё?")
            .arg(person)
            .arg(computer);
    return QCoreApplication::translate("ComputerResult", "Ничья, %1 : %2.\nХотите сыграть ещё?")
        .arg(person)
        .arg(computer);
}

}  // namespace reikoboy
