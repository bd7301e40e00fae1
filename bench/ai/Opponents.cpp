// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "Opponents.h"

#include <algorithm>
#include <cstdio>
#include <limits>

#include "ai/ComputerPlayer.h"
#include "ai/Evaluation.h"
#include "ai/Search.h"
#include "ai/TurnList.h"

namespace reikoboy::bench {

namespace {

using ai::TurnResult;

// Picks uniformly among the turns whose value is highest.
template <class Value>
ai::Turn bestByValue(const std::vector<TurnResult>& turns, std::mt19937& dice, Value value) {
    double best = -std::numeric_limits<double>::infinity();
    std::vector<size_t> tied;
    for (size_t i = 0; i < turns.size(); ++i) {
        double v = value(turns[i]);
        if (v > best) {
            best = v;
            tied.clear();
        }
        if (v == best) tied.push_back(i);
    }
    if (tied.empty()) return {};
    return turns[tied[std::uniform_int_distribution<size_t>(0, tied.size() - 1)(dice)]].turn;
}

class RandomPlayer : public Player {
public:
    std::string name() const override { return "random"; }
    ai::Turn choose(const GameState& state, const ai::GameMemory&, std::mt19937& dice) override {
        std::vector<TurnResult> turns = ai::listTurns(state);
        if (turns.empty()) return {};
        return turns[std::uniform_int_distribution<size_t>(0, turns.size() - 1)(dice)].turn;
    }
};

// The best points difference right after its own turn.
class GreedyPlayer : public Player {
public:
    std::string name() const override { return "greedy1"; }
    ai::Turn choose(const GameState& state, const ai::GameMemory&, std::mt19937& dice) override {
        int me = state.turnColour;
        return bestByValue(ai::listTurns(state), dice,
                           [me](const TurnResult& t) { return ai::scoreDifference(t.after, me); });
    }
};

// The best points difference after the opponent's best greedy reply.
class TwoPlyGreedyPlayer : public Player {
public:
    std::string name() const override { return "greedy2"; }
    ai::Turn choose(const GameState& state, const ai::GameMemory&, std::mt19937& dice) override {
        int me = state.turnColour;
        return bestByValue(ai::listTurns(state), dice, [me](const TurnResult& t) {
            if (ai::gameOver(t.after)) return double(ai::scoreDifference(t.after, me));
            int worst = std::numeric_limits<int>::max();
            int theirBest = std::numeric_limits<int>::min();
            for (const TurnResult& reply : ai::listTurns(t.after)) {
                int theirs = -ai::scoreDifference(reply.after, me);
                if (theirs > theirBest) {
                    theirBest = theirs;
                    worst = -theirs;
                }
            }
            return double(theirBest == std::numeric_limits<int>::min() ? ai::scoreDifference(t.after, me) : worst);
        });
    }
};

class LevelPlayer : public Player {
public:
    LevelPlayer(ai::Level level, std::string name) : level_(level), name_(std::move(name)) {}
    std::string name() const override { return name_; }
    ai::Turn choose(const GameState& state, const ai::GameMemory& memory, std::mt19937&) override {
        return ai::chooseTurn(state, level_, memory);
    }

private:
    ai::Level level_;
    std::string name_;
};

// "search:DEPTH:BUDGET:ONBOARD:INSTOCK:NEARFALL:DRUMNOW:FINISH:WORK:GROWTH:CAP:LEADPUSH:HOLE:STALL:GRACE:STALLWORK:WIN", a
// search with weights of its own (with a budget it searches at least four turns, deeper as the
// budget expects, and stops at 300,000 simulated moves, as «Мастер» does), for trying changes
// to the levels. Weights left out keep the levels' own.
class TrialPlayer : public Player {
public:
    explicit TrialPlayer(const std::string& recipe) : recipe_(recipe) {
        ai::EvaluationWeights w;
        double v[14] = {w.chipOnBoard, w.chipInStock, w.nearFall,    w.drumNow,    w.finish,    w.workCost, w.workGrowth,
                        w.workCostCap, w.leadPush,    w.openHole,    w.stallGrowth, w.stallGrace, w.stallWork, w.winBonus};
        double depth = 1, budget = 0;
        std::sscanf(recipe.c_str(), "search:%lf:%lf:%lf:%lf:%lf:%lf:%lf:%lf:%lf:%lf:%lf:%lf:%lf:%lf:%lf:%lf", &depth,
                    &budget, &v[0], &v[1], &v[2], &v[3], &v[4], &v[5], &v[6], &v[7], &v[8], &v[9], &v[10], &v[11],
                    &v[12], &v[13]);
        limits_.maxDepth = int(depth);
        limits_.moveBudget = long(budget);
        if (limits_.moveBudget > 0) {
            limits_.minDepth = std::min(limits_.maxDepth, 4);
            limits_.hardBudget = 300000;
        }
        limits_.weights = {v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9], v[10], v[11], v[12], v[13]};
    }
    std::string name() const override { return recipe_; }
    ai::Turn choose(const GameState& state, const ai::GameMemory& memory, std::mt19937&) override {
        return ai::searchTurn(state, limits_, memory).turn;
    }

private:
    std::string recipe_;
    ai::SearchLimits limits_;
};

}  // namespace

std::unique_ptr<Player> makePlayer(const std::string& name) {
    if (name == "random") return std::make_unique<RandomPlayer>();
    if (name == "greedy1") return std::make_unique<GreedyPlayer>();
    if (name == "greedy2") return std::make_unique<TwoPlyGreedyPlayer>();
    if (auto level = ai::levelFromName(name)) return std::make_unique<LevelPlayer>(*level, name);
    if (name.rfind("search:", 0) == 0) return std::make_unique<TrialPlayer>(name);
    return nullptr;
}

}  // namespace reikoboy::bench
