// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The players of the round robin: random play, two greedy players that count only points, and
// the computer's three levels. The simple ones break ties by their own seeded dice, so that
// games differ; the computer's levels need no dice.
#pragma once

#include <memory>
#include <random>
#include <string>

#include "ai/GameMemory.h"
#include "ai/Turn.h"
#include "game/GameState.h"

namespace reikoboy::bench {

class Player {
public:
    virtual ~Player() = default;
    virtual std::string name() const = 0;
    // `memory` holds the boards of the game so far, the present one included.
    virtual ai::Turn choose(const GameState& state, const ai::GameMemory& memory, std::mt19937& dice) = 0;
};

// "random", "greedy1", "greedy2", "novice", "amateur" or "master"; null for anything else.
std::unique_ptr<Player> makePlayer(const std::string& name);

}  // namespace reikoboy::bench
