// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// One line of a move script: a board button and its index as a player clicks it, "Nova",
// "Undo" or "Redo".
#pragma once

#include <string>
#include <string_view>

#include "game/Game.h"

namespace reikoboy {

struct ScriptLine {
    enum Kind { Skip, Move, NewGame, Undo, Redo, Bad } kind = Skip;
    Button button = Button::Command1;
    int index = 0;
    std::string error;
};

ScriptLine parseScriptLine(std::string_view line);

// `text` as a message quotes it: its first 80 characters and "…" when it is longer.
std::string shortened(std::string_view text);

}  // namespace reikoboy
