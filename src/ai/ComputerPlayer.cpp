// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "ComputerPlayer.h"

#include "Search.h"

namespace reikoboy::ai {

namespace {

// Simulated moves, at about 1.5 µs each on one core of the development machine: a search
// deeper than four turns starts only when it is expected to take no more than about 0.06 s
// (when few moves are on offer), and any search stops at about 0.45 s and answers from the
// deepest one that finished.
constexpr long kMasterBudget = 40000;
constexpr long kMasterHardBudget = 300000;

// Each level looks one or two turns further than the one below; tried in whole games, every
// turn of look-ahead wins most games against the level without it.
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
            limits.maxDepth = 8;
            limits.minDepth = 4;
            limits.moveBudget = kMasterBudget;
            limits.hardBudget = kMasterHardBudget;
            break;
    }
    return limits;
}

}  // namespace

bool gameOver(const GameState& state) { return state.chipsOut >= 2 * kChipsPerColour; }

Turn chooseTurn(const GameState& state, Level level, const GameMemory& memory, const std::atomic<bool>* cancel) {
    if (gameOver(state) || state.animating()) return {};
    return searchTurn(state, limitsFor(level), memory, cancel).turn;
}

Turn chooseTurn(const GameState& state, Level level, const std::atomic<bool>* cancel) {
    return chooseTurn(state, level, GameMemory{}, cancel);
}

}  // namespace reikoboy::ai
