// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "Search.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "ComputerPlayer.h"
#include "TurnList.h"

namespace reikoboy::ai {

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kEven = 0.5;  // points

// A number that tells boards apart: the rails, the chips, the drum, the scores, the turn.
std::uint64_t boardHash(const GameState& s) {
    std::uint64_t h = 1469598103934665603ull;
    auto mix = [&h](long v) { h = (h ^ std::uint64_t(v)) * 1099511628211ull; };
    for (int r = 0; r < kRails; ++r) mix(s.railShift[r]);
    for (int colour : {kBlue, kRed}) {
        mix(s.dropped(colour));
        for (int i = 0; i < kChipsPerColour; ++i) {
            mix(long(s.chips(colour)[i].Left));
            mix(long(s.chips(colour)[i].Top));
            mix(s.out(colour)[i]);
        }
    }
    for (long v : {long(s.drumPos), long(s.lastMoved), long(s.turnColour), long(s.blueScore), long(s.redScore)}) mix(v);
    return h ^ (h >> 29);
}

class Searcher {
public:
    Searcher(const SearchLimits& limits, const std::atomic<bool>* cancel) : limits_(limits), cancel_(cancel) {}

    long simulated() const { return simulated_; }
    bool stopped() const { return stopped_; }

    // The best turn at `depth` for the side to move, or an empty turn if none is offered. The
    // best turn of the search before is tried first, which makes the cut-offs come sooner.
    std::pair<Turn, double> best(const GameState& state, int depth, const Turn& earlierBest) {
        std::vector<TurnResult> turns = ordered(state);
        auto earlier = std::find_if(turns.begin(), turns.end(), [&](auto& t) { return t.turn == earlierBest; });
        if (earlier != turns.end()) std::rotate(turns.begin(), earlier, earlier + 1);
        // Turns within kEven of each other count as equal, and the board picks among them: a
        // fixed first choice would slide the same rail to and fro while nothing scores.
        std::vector<std::pair<double, const Turn*>> values;
        double alpha = -kInfinity;
        for (TurnResult& t : turns) {
            double v = -negamax(t.after, depth - 1, -kInfinity, -(alpha - kEven));
            if (stopped_) break;
            values.push_back({v, &t.turn});
            alpha = std::max(alpha, v);
        }
        std::vector<const Turn*> even;
        for (auto& [v, turn] : values)
            if (v >= alpha - kEven) even.push_back(turn);
        if (even.empty()) return {Turn{}, alpha};
        return {*even[boardHash(state) % even.size()], alpha};
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
        if ((cancel_ && cancel_->load(std::memory_order_relaxed)) ||
            (limits_.hardBudget > 0 && simulated_ > limits_.hardBudget)) {
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
    long before = 0;  // simulated moves of the depth before the last
    for (int depth = 1; depth <= limits.maxDepth; ++depth) {
        long start = searcher.simulated();
        auto [turn, value] = searcher.best(state, depth, result.turn);
        if (searcher.stopped()) break;
        result.turn = std::move(turn);
        result.value = value;
        result.depth = depth;
        long last = searcher.simulated() - start;
        // Each depth costs about as many times the last as the last cost the one before.
        double growth = before > 0 ? double(last) / double(before) : 10.0;
        if (depth >= limits.minDepth && limits.moveBudget > 0 &&
            double(last) * std::max(growth, 2.0) > double(limits.moveBudget))
            break;
        before = std::max(last, 1L);
    }
    result.simulated = searcher.simulated();
    result.cancelled = cancel && cancel->load();
    if (result.cancelled) result.turn.clear();
    return result;
}

}  // namespace reikoboy::ai
