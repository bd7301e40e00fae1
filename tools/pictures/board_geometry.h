// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Board measurements and start patterns that the pictures have to match.

#include <array>

namespace board {

inline constexpr int columns = 13;
inline constexpr int rails = 6;
inline constexpr int cell = 40;          // one column, in window pixels
inline constexpr int railLeft = 56;      // x of a rail at home
inline constexpr int railTop = 80;       // y of rail 0
inline constexpr int railPictureHeight = 40;
inline constexpr int railShownHeight = 32; // rail pictures are squeezed to this
inline constexpr int chipSize = 23;
inline constexpr int windowWidth = 634;
inline constexpr int windowHeight = 408;
inline constexpr int drumX = 176;
inline constexpr int drumY = 320;
inline constexpr int drumWidth = 280;
inline constexpr int drumHeight = 64;
inline constexpr int drumFirstColumn = 3;
inline constexpr int drumColumns = 7;
inline constexpr int buttonSize = 33;

using Pattern = std::array<int, columns>; // 1 = solid cell, 0 = hole

inline constexpr Pattern pattern0{1, 1, 1, 1, 0, 1, 0, 1, 0, 1, 1, 1, 1};
inline constexpr Pattern pattern1{1, 1, 0, 1, 1, 0, 1, 0, 1, 1, 0, 1, 1};
inline constexpr Pattern pattern24{1, 1, 1, 0, 1, 1, 0, 1, 1, 0, 1, 1, 1};
inline constexpr Pattern pattern35{1, 0, 1, 1, 1, 0, 1, 0, 1, 1, 1, 0, 1};

inline constexpr const Pattern &patternOfRail(int rail)
{
    switch (rail) {
    case 0: return pattern0;
    case 1: return pattern1;
    case 2:
    case 4: return pattern24;
    default: return pattern35;
    }
}

// Points per drum column for each of the three drum positions.
inline constexpr std::array<std::array<int, drumColumns>, 3> drumPoints{{
    {10, 10, 20, 20, 20, 10, 10},
    {20, 20, 10, 10, 10, 20, 20},
    {50, 50, 0, 0, 0, 50, 50},
}};

inline constexpr int chipX(int column) { return 64 + cell * column; }
inline constexpr int chipY(int level) { return 97 + cell * level; }
inline constexpr int railY(int rail) { return railTop + cell * rail; }

} // namespace board
