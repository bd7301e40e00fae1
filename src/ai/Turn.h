// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// A turn as a player plays it: the board buttons pressed, in order. Every turn but the last
// of a game ends with the one click that passes it (the pass, a rail shift or a drum turn).
#pragma once

#include <vector>

#include "game/Game.h"

namespace reikoboy::ai {

struct Click {
    Button button = Button::Command5;
    int index = 0;
    friend bool operator==(const Click&, const Click&) = default;
};

using Turn = std::vector<Click>;

}  // namespace reikoboy::ai
