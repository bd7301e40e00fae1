// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// A whole game as the moves a player clicks, for tests that need a game to its end.
#pragma once

namespace reikoboy::testing {

// Forty-nine moves after which all sixteen chips have left the board, blue 140 : red 100.
inline const char* const kWholeGame =
    "Command1 3; Command3 1; Command3 3; Command3 4; Command1 1; Command2 0; Command1 2; "
    "Command1 4; Command2 1; Command1 0; Command2 2; Command3 1; Command2 3; Command3 4; "
    "Command1 4; Command3 0; Command1 1; Command2 1; Command3 0; Command2 2; Command2 4; "
    "Command1 6; Command2 1; Command1 4; Command1 2; Command2 0; Command3 1; Command2 3; "
    "Command3 4; Command1 1; Command2 1; Command3 3; Command1 5; Command3 1; Command1 3; "
    "Command2 0; Command3 2; Command2 4; Command1 0; Command2 0; Command1 3; Command1 1; "
    "Command2 2; Command3 0; Command3 4; Command3 1; Command3 3; Command2 2; Command2 3";

}  // namespace reikoboy::testing
