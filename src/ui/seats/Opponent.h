// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Who plays against whom, and how strong the computer is, as the settings store keeps them:
// "0", "1" or "2"; anything else means the default.
#pragma once

#include <QString>
#include <optional>

#include "ai/Level.h"
#include "game/Board.h"

namespace reikoboy {

enum class Opponent { SecondPlayer = 0, ComputerRed = 1, ComputerBlue = 2 };

inline constexpr Opponent kDefaultOpponent = Opponent::SecondPlayer;

// The colour the computer plays; none when two people play.
inline std::optional<int> computerColour(Opponent opponent) {
    switch (opponent) {
        case Opponent::ComputerRed: return kRed;
        case Opponent::ComputerBlue: return kBlue;
        case Opponent::SecondPlayer: break;
    }
    return std::nullopt;
}

// 0, 1 or 2 from the stored text; -1 for anything else.
inline int storedChoice(const QString& stored) {
    if (stored == QLatin1String("0")) return 0;
    if (stored == QLatin1String("1")) return 1;
    if (stored == QLatin1String("2")) return 2;
    return -1;
}

inline Opponent opponentFromStore(const QString& stored) {
    int choice = storedChoice(stored);
    return choice < 0 ? kDefaultOpponent : static_cast<Opponent>(choice);
}

inline ai::Level levelFromStore(const QString& stored) {
    int choice = storedChoice(stored);
    return choice < 0 ? ai::kDefaultLevel : static_cast<ai::Level>(choice);
}

template <class Choice>
QString toStore(Choice choice) { return QString::number(static_cast<int>(choice)); }

}  // namespace reikoboy
