// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// What the game asks of its surroundings: a sound, and the question at the end of a game.
#pragma once

#include <string>

namespace reikoboy {

enum class Sound { Click = 0, Fishka = 1, Baraban = 2, Reika = 3 };

class Host {
public:
    virtual ~Host() = default;
    // Play sound n; only called while sound is switched on.
    virtual void playSound(Sound sound) = 0;
    // Ask the end-of-game question; true means Yes.
    virtual bool askEndOfGame(const std::string& text) = 0;
};

}  // namespace reikoboy
