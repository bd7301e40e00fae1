// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Speed of the rules and of the saved-game text: settled moves per second, the cost of one
// animation tick (and its heap allocations, which must be none), reading and writing a game.
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <random>
#include <sstream>
#include <vector>

#include "game/Game.h"
#include "persist/SavedGame.h"

namespace {
std::atomic<long> allocations{0};
}

void* operator new(std::size_t size) {
    ++allocations;
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {

using namespace reikoboy;

struct QuietHost : Host {
    void playSound(Sound) override {}
    bool askEndOfGame(const std::string&) override { return true; }  // and play on
};

struct Move {
    Button button;
    int index;
};

// Plays one random offered move and lets the board settle.
void playRandomMove(Game& game, std::mt19937& random, std::vector<Move>& moves) {
    moves.clear();
    for (Button b : {Button::Command1, Button::Command2, Button::Command3, Button::Command4,
                     Button::Command5})
        for (int i = 0; i < buttonCount(b); ++i)
            if (game.offers(b, i)) moves.push_back({b, i});
    Move m = moves[random() % moves.size()];
    game.click(m.button, m.index);
    game.finishAnimation();
}

void SettledMoves(benchmark::State& state) {
    QuietHost host;
    Game game(host);
    game.formLoad("", "");
    std::mt19937 random(7);
    std::vector<Move> moves;
    moves.reserve(32);
    for (auto _ : state) playRandomMove(game, random, moves);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(SettledMoves);

void FallTick(benchmark::State& state) {
    QuietHost host;
    Game game(host);
    game.formLoad("", "");
    game.command1Click(3);
    long before = 0, ticks = 0;
    for (auto _ : state) {
        state.PauseTiming();
        if (!game.state().animating()) {
            game.newGame();
            game.command1Click(3);
            game.command3Click(1);  // the chip in column 6 will fall two levels
            for (int i = 0; i < 10; ++i) game.timer2Tick();
        }
        before = allocations;
        state.ResumeTiming();
        game.timer3Tick();
        state.PauseTiming();
        state.counters["allocations_per_tick"] += double(allocations - before);
        ++ticks;
        state.ResumeTiming();
    }
    state.counters["allocations_per_tick"] /= double(ticks ? ticks : 1);
}
BENCHMARK(FallTick);

void RailTick(benchmark::State& state) {
    QuietHost host;
    Game game(host);
    game.formLoad("", "");
    long total = 0, ticks = 0;
    for (auto _ : state) {
        if (!game.state().Timer1.Enabled) {
            state.PauseTiming();
            game.newGame();
            game.command2Click(0);
            state.ResumeTiming();
        }
        long before = allocations;
        game.timer1Tick();
        total += allocations - before;
        ++ticks;
    }
    state.counters["allocations_per_tick"] = double(total) / double(ticks ? ticks : 1);
}
BENCHMARK(RailTick);

std::string midGameText() {
    QuietHost host;
    Game game(host);
    game.formLoad("", "");
    std::mt19937 random(3);
    std::vector<Move> moves;
    for (int i = 0; i < 40; ++i) playRandomMove(game, random, moves);
    return writeSavedGame(game.state());
}

void WriteSavedGame(benchmark::State& state) {
    QuietHost host;
    Game game(host);
    std::istringstream in(midGameText());
    game.formLoad("", "");
    openSavedGame(game, in);
    for (auto _ : state) benchmark::DoNotOptimize(writeSavedGame(game.state()));
}
BENCHMARK(WriteSavedGame);

void ReadSavedGame(benchmark::State& state) {
    std::string text = midGameText();
    for (auto _ : state) {
        std::istringstream in(text);
        GameState into;
        benchmark::DoNotOptimize(readSavedGame(in, into));
    }
}
BENCHMARK(ReadSavedGame);

}  // namespace

BENCHMARK_MAIN();
