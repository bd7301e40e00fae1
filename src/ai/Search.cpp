// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "Search.h"

#include <algorithm>
#include <limits>

#include "ComputerPlayer.h"
#include "TurnList.h"

namespace reikoboy::ai {

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

class Searcher {
public:
    Searcher(const SearchLimits& limits, const std::atomic<bool>* cancel) : limits_(limits), cancel_(cancel) {}

    long simulated() const { return simulated_; }
    bool stopped() const { return stopped_; }

    // The best turn at `depth` for the side to move, or an empty turn if none is offered.
    std::pair<Turn, double> best(const GameState& state, int depth) {
        std::vector<TurnResult> turns = ordered(state);
        Turn bestTurn;
        double alpha = -kInfinity;
        for (TurnResult& t : turns) {
            double v = -negamax(t.after, depth - 1, -kInfinity, -alpha);
            if (stopped_) break;
            if (v > alpha || bestTurn.empty()) {
                alpha = v;
                bestTurn = t.turn;
            }
        }
        return {bestTurn, alpha};
    }

private:
    int mover(const GameState& s) const { return s.turnColour == kRed ? kRed : kBlue; }

    // The turns of the side to move, best first by a look at the board they leave.
    std::vector<TurnResult> ordered(const GameState& state) {
        std::vector<TurnResult> turns = listTurns(state, &simulated_);
        int side = mover(state);
        std::vector<std::pair<double, size_t>> keys;
        keys.reserve(turns.size());
        for (size_t i = 0; i < turns.size(); ++i) keys.push_back({evaluate(turns[i].after, side, limits_.weights), i});
        std::stable_sort(keys.begin(), keys.end(), [](auto& a, auto& b) { return a.first > b.first; });
        std::vector<TurnResult> sorted;
        sorted.reserve(turns.size());
        for (auto& k : keys) sorted.push_back(std::move(turns[k.second]));
        return sorted;
    }

    double negamax(const GameState& state, int depth, double alpha, double beta) {
        int side = mover(state);
        if (depth <= 0 || gameOver(state)) return evaluate(state, side, limits_.weights);
        if (cancel_ && cancel_->load(std::memory_order_relaxed)) {
            stopped_ = true;
            return 0;
        }
        std::vector<TurnResult> turns = ordered(state);
        if (turns.empty()) return evaluate(state, side, limits_.weights);
        double best = -kInfinity;
        for (TurnResult& t : turns) {
            double v = depth == 1 ? evaluate(t.after, side, limits_.weights)
                                  : -negamax(t.after, depth - 1, -beta, -alpha);
            if (stopped_) return 0;
            best = std::max(best, v);
            alpha = std::max(alpha, v);
            if (alpha >= beta) break;
        }
        return best;
    }

    const SearchLimits& limits_;
    const std::atomic<bool>* cancel_;
    long simulated_ = 0;
    bool stopped_ = false;
};

}  // namespace

SearchResult searchTurn(const GameState& state, const SearchLimits& limits, const std::atomic<bool>* cancel) {
    SearchResult result;
    Searcher searcher(limits, cancel);
    for (int depth = 1; depth <= limits.maxDepth; ++depth) {
        auto [turn, value] = searcher.best(state, depth);
        if (searcher.stopped()) break;
        result.turn = std::move(turn);
        result.value = value;
        result.depth = depth;
        if (limits.moveBudget > 0 && searcher.simulated() >= limits.moveBudget) break;
    }
    result.simulated = searcher.simulated();
    result.cancelled = searcher.stopped();
    if (result.cancelled) result.turn.clear();
    return result;
}

}  // namespace reikoboy::ai
