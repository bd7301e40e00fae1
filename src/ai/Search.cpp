// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "Search.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <unordered_map>

#include "BoardHash.h"
#include "ComputerPlayer.h"
#include "TurnList.h"

namespace reikoboy::ai {

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kEven = 0.5;  // points

// What the table keeps of a board searched before: its value to a given depth, as an exact
// value or as a bound, and which of its turns was best there (tried first next time).
struct Stored {
    int depth = 0;
    double value = 0;
    enum Bound : std::uint8_t { Exact, Lower, Upper } bound = Exact;
    int best = -1;  // index in listTurns order
};

struct Child {
    TurnResult result;
    std::uint64_t hash = 0;
    double key = 0;  // the board's value for the side that played the turn
    int index = 0;   // in listTurns order
};

class Searcher {
public:
    Searcher(const GameState& root, const SearchLimits& limits, const GameMemory& memory,
             const std::atomic<bool>* cancel)
        : limits_(limits), memory_(memory), cancel_(cancel), root_(mover(root)), clock_{memory.turns(), memory.quietTurns()} {}

    long simulated() const { return simulated_; }
    bool stopped() const { return stopped_; }

    // The best turn at `depth` for the side to move, or an empty turn if none is offered. The
    // best turn of the search before is tried first, which makes the cut-offs come sooner.
    std::pair<Turn, double> best(const GameState& state, int depth, const Turn& earlierBest) {
        std::vector<Child> children = ordered(state, -1);
        auto earlier = std::find_if(children.begin(), children.end(),
                                    [&](const Child& c) { return c.result.turn == earlierBest; });
        if (earlier != children.end()) std::rotate(children.begin(), earlier, earlier + 1);
        // The present board counts once, whether or not the memory holds it already.
        std::uint64_t hash = boardHash(state);
        if (!memory_.endsWith(hash)) path_.push_back(hash);
        // Turns within kEven of each other count as equal, and the board picks among them: a
        // fixed first choice would slide the same rail to and fro while nothing scores.
        std::vector<std::pair<double, const Turn*>> values;
        double alpha = -kInfinity;
        for (Child& c : children) {
            double v = depth == 1 ? c.key : -negamax(c.result.after, c.hash, depth - 1, -kInfinity, -(alpha - kEven));
            if (stopped_) break;
            v = afterRepeats(c.hash, v);
            values.push_back({v, &c.result.turn});
            alpha = std::max(alpha, v);
        }
        path_.clear();
        std::vector<const Turn*> even;
        for (auto& [v, turn] : values)
            if (v >= alpha - kEven) even.push_back(turn);
        if (even.empty()) return {Turn{}, alpha};
        // The game's clock takes part, so that a stall does not pick the same turn each time.
        std::uint64_t pick = hash ^ (std::uint64_t(clock_.turns) * 0x9E3779B97F4A7C15ull);
        return {*even[(pick ^ (pick >> 31)) % even.size()], alpha};
    }

private:
    static int mover(const GameState& s) { return s.turnColour == kRed ? kRed : kBlue; }

    // The value of a board for the side to move in it, from the computer's own point of view:
    // the other side is taken to play against what the computer wants.
    double value(const GameState& s) const {
        double v = evaluate(s, root_, limits_.weights, clock_);
        return mover(s) == root_ ? v : -v;
    }

    // A turn that brings a board back for the third time is worth no more than a draw to the
    // side that played it.
    double afterRepeats(std::uint64_t hash, double v) const {
        int seen = memory_.seen(hash) + int(std::count(path_.begin(), path_.end(), hash));
        return seen >= 2 ? std::min(v, 0.0) - kRepeatPenalty : v;
    }

    // The turns of the side to move, the table's best first, then best first by a look at the
    // board they leave.
    std::vector<Child> ordered(const GameState& state, int tableBest) {
        std::vector<TurnResult> turns = listTurns(state, &simulated_);
        std::vector<Child> children;
        children.reserve(turns.size());
        for (size_t i = 0; i < turns.size(); ++i) {
            Child c{std::move(turns[i]), 0, 0, int(i)};
            c.hash = boardHash(c.result.after);
            c.key = -value(c.result.after);
            children.push_back(std::move(c));
        }
        std::stable_sort(children.begin(), children.end(), [tableBest](const Child& a, const Child& b) {
            if ((a.index == tableBest) != (b.index == tableBest)) return a.index == tableBest;
            return a.key > b.key;
        });
        return children;
    }

    double negamax(const GameState& state, std::uint64_t hash, int depth, double alpha, double beta) {
        if (depth <= 0 || gameOver(state)) return value(state);
        if ((cancel_ && cancel_->load(std::memory_order_relaxed)) ||
            (limits_.hardBudget > 0 && simulated_ > limits_.hardBudget)) {
            stopped_ = true;
            return 0;
        }
        int tableBest = -1;
        if (auto found = table_.find(hash); found != table_.end()) {
            const Stored& s = found->second;
            tableBest = s.best;
            if (s.depth >= depth) {
                if (s.bound == Stored::Exact) return s.value;
                if (s.bound == Stored::Lower) alpha = std::max(alpha, s.value);
                if (s.bound == Stored::Upper) beta = std::min(beta, s.value);
                if (alpha >= beta) return s.value;
            }
        }
        std::vector<Child> children = ordered(state, tableBest);
        if (children.empty()) return value(state);
        double alphaIn = alpha, best = -kInfinity;
        int bestIndex = -1;
        path_.push_back(hash);
        for (Child& c : children) {
            double v = depth == 1 ? c.key : -negamax(c.result.after, c.hash, depth - 1, -beta, -alpha);
            if (stopped_) break;
            v = afterRepeats(c.hash, v);
            if (v > best) {
                best = v;
                bestIndex = c.index;
            }
            alpha = std::max(alpha, v);
            if (alpha >= beta) break;
        }
        path_.pop_back();
        if (stopped_) return 0;
        Stored::Bound bound = best <= alphaIn ? Stored::Upper : best >= beta ? Stored::Lower : Stored::Exact;
        table_[hash] = {depth, best, bound, bestIndex};
        return best;
    }

    const SearchLimits& limits_;
    const GameMemory& memory_;
    const std::atomic<bool>* cancel_;
    int root_;
    GameClock clock_;
    std::unordered_map<std::uint64_t, Stored> table_;
    std::vector<std::uint64_t> path_;  // the boards from the root to the one searched
    long simulated_ = 0;
    bool stopped_ = false;
};

}  // namespace

SearchResult searchTurn(const GameState& state, const SearchLimits& limits, const GameMemory& memory,
                        const std::atomic<bool>* cancel) {
    SearchResult result;
    Searcher searcher(state, limits, memory, cancel);
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
