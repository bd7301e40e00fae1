// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Looking ahead whole turns: alpha-beta over the turns of both sides, deepened one turn at a
// time while a budget of simulated moves lasts, with a table of boards already searched.
// Budgets count moves, not seconds, so the same game always gives the same answer.
#pragma once

#include <atomic>

#include "Evaluation.h"
#include "GameMemory.h"
#include "Turn.h"

namespace reikoboy::ai {

struct SearchLimits {
    int maxDepth = 1;          // in turns, the computer's own first
    int minDepth = 1;          // searched whatever moveBudget expects
    // Simulated moves a deeper search may be expected to take: it starts only when the growth
    // from the last depth to this one says it will fit; 0: no limit.
    long moveBudget = 0;
    // Simulated moves after which a search stops at once and the deepest one that finished
    // answers; 0: no limit.
    long hardBudget = 0;
    EvaluationWeights weights;
};

struct SearchResult {
    Turn turn;
    double value = 0;
    int depth = 0;      // the deepest search that finished
    long simulated = 0;
    bool cancelled = false;
};

// A board met for the third time counts as no better than a draw, less this, for the side
// whose turn brought it back: it looks for something else.
inline constexpr double kRepeatPenalty = 5;

SearchResult searchTurn(const GameState& state, const SearchLimits& limits, const GameMemory& memory = {},
                        const std::atomic<bool>* cancel = nullptr);

}  // namespace reikoboy::ai
