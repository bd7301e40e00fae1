// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The saved-game text file: 212 lines, 244 comma-separated values, CRLF line ends.
#pragma once

#include <istream>
#include <string>

#include "game/Game.h"
#include "game/GameState.h"

namespace reikoboy {

inline constexpr const char* kNotASavedGame = "Этот файл не сохранённая игра!";
inline constexpr const char* kNotASavedGameTitle = "Ошибка!";

enum class ReadResult {
    Ok,
    TooFewValues,
    WrongKind,
    OutOfRange,
    OffTheGrid,
    Unreachable,  // every value reads, but together they are no board the game could have saved
    CannotOpen,   // missing, a folder, no permission: nothing is said
    NotAFile,     // a device, a FIFO, a file too large or a disk that fails while reading
};

// The bytes saving writes for this state.
std::string writeSavedGame(const GameState& state);

// Reads the 244 values from `in` into `into`, in the file's order. Reading stops after the
// last value; what follows is never looked at. On failure `into` holds a part of the values.
// A picture position or visibility left empty, which saving never writes, makes the whole
// file Unreachable once every value is read.
ReadResult readSavedGame(std::istream& in, GameState& into);

// Opens a saved game as the open command does: a new game with the file's values, or, when
// the file is refused, the game exactly as it was. A game saved in the middle of a slide or
// a fall opens with that animation running on from where it was saved.
ReadResult openSavedGame(Game& game, std::istream& in);

// The same from the file `name`, which must be a regular file of a saved game's size.
ReadResult openSavedGameFile(Game& game, const std::string& name);

// A number as a saved game writes it: integral without a decimal point, "." whatever the
// locale, at most seven significant digits.
std::string formatNumber(float value);

}  // namespace reikoboy
