// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "ComputerPlayer.h"

#include "Search.h"

namespace reikoboy::ai {

namespace {

SearchLimits limitsFor(Level level) {
    SearchLimits limits;
    switch (level) {
        case Level::Novice:
            limits.maxDepth = 1;
            break;
        case Level::Amateur:
            limits.maxDepth = 2;
            break;
        case Level::Master:
            limits.maxDepth = 3;
            limits.moveBudget = 200000;
            break;
    }
    return limits;
}

}  // namespace

bool gameOver(const GameState& state) { return state.chipsOut >= 2 * kChipsPerColour; }

Turn chooseTurn(const GameState& state, Level level, const std::atomic<bool>* cancel) {
    if (gameOver(state) || state.animating()) return {};
    return searchTurn(state, limitsFor(level), cancel).turn;
}

}  // namespace reikoboy::ai
