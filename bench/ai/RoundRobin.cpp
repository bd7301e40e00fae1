// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The computer player's strength and speed.
//
//   ai_bench round-robin [GAMES [PLAYERS]]   every pair plays GAMES games (colours alternate,
//                                            each pair of games from the same random opening)
//   ai_bench times [POSITIONS]               time per turn of each level over POSITIONS
//                                            positions from games of amateurs and of random play
//
// PLAYERS is a comma-separated list of random, greedy1, greedy2, novice, amateur, master.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "Match.h"
#include "ai/ComputerPlayer.h"

namespace {

using namespace reikoboy;
using namespace reikoboy::bench;

constexpr int kOpeningTurns = 4;

std::vector<std::string> split(const std::string& list) {
    std::vector<std::string> names;
    std::stringstream in(list);
    for (std::string name; std::getline(in, name, ',');) names.push_back(name);
    return names;
}

struct PairScore {
    int wins = 0, draws = 0, losses = 0, forfeits = 0, capped = 0;
    long turns = 0;
};

// Games of one pair, split between the machine's cores; game 2g and 2g + 1 share an opening.
PairScore playPair(const std::string& a, const std::string& b, int games) {
    PairScore score;
    std::mutex lock;
    unsigned jobs = std::max(1u, std::min(2u, std::thread::hardware_concurrency()));
    std::vector<std::thread> workers;
    for (unsigned j = 0; j < jobs; ++j) {
        workers.emplace_back([&, j] {
            auto first = makePlayer(a), second = makePlayer(b);
            for (int g = int(j); g < games; g += int(jobs)) {
                bool aBlue = g % 2 == 0;
                MatchResult r = aBlue ? playMatch(*first, *second, 1000 + g / 2, kOpeningTurns)
                                      : playMatch(*second, *first, 1000 + g / 2, kOpeningTurns);
                int forA = aBlue ? r.winner() : -r.winner();
                std::lock_guard<std::mutex> hold(lock);
                (forA > 0 ? score.wins : forA < 0 ? score.losses : score.draws)++;
                score.forfeits += r.forfeitColour >= 0;
                score.capped += r.capped;
                score.turns += r.turns;
            }
        });
    }
    for (auto& w : workers) w.join();
    return score;
}

int roundRobin(int games, const std::vector<std::string>& players) {
    for (auto& p : players)
        if (!makePlayer(p)) return std::fprintf(stderr, "unknown player %s\n", p.c_str()), 1;
    std::printf("| first \\ second | wins | draws | losses | first's share | mean turns | forfeits | at turn limit |\n");
    std::printf("|---|---|---|---|---|---|---|---|\n");
    for (size_t i = 0; i < players.size(); ++i) {
        for (size_t j = i + 1; j < players.size(); ++j) {
            PairScore s = playPair(players[j], players[i], games);
            std::printf("| %s – %s | %d | %d | %d | %.1f %% | %.0f | %d | %d |\n", players[j].c_str(),
                        players[i].c_str(), s.wins, s.draws, s.losses, 100.0 * (s.wins + 0.5 * s.draws) / games,
                        double(s.turns) / games, s.forfeits, s.capped);
            std::fflush(stdout);
        }
    }
    return 0;
}

int turnTimes(int count) {
    // Half from games between amateurs, half from random play, which leaves more drops on offer.
    std::vector<GameState> positions;
    auto amateur = makePlayer("amateur"), random = makePlayer("random");
    for (std::uint32_t seed = 1; int(positions.size()) < 4 * count; ++seed)
        playMatch(seed % 2 ? *amateur : *random, seed % 2 ? *amateur : *random, seed, kOpeningTurns, kTurnLimit,
                  &positions);
    // Every fourth position, so that they come from many games and every stage of a game.
    std::vector<GameState> sample;
    for (size_t i = 0; i < positions.size() && int(sample.size()) < count; i += 4) sample.push_back(positions[i]);

    std::printf("| level | positions | median | 90th percentile | worst |\n|---|---|---|---|---|\n");
    for (auto [name, level] : {std::pair{"novice", ai::Level::Novice}, std::pair{"amateur", ai::Level::Amateur},
                               std::pair{"master", ai::Level::Master}}) {
        std::vector<double> seconds;
        for (const GameState& s : sample) {
            auto start = std::chrono::steady_clock::now();
            ai::Turn turn = ai::chooseTurn(s, level);
            seconds.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
            if (turn.empty()) return std::fprintf(stderr, "%s found no turn\n", name), 1;
        }
        std::sort(seconds.begin(), seconds.end());
        std::printf("| %s | %zu | %.2f ms | %.2f ms | %.2f ms |\n", name, seconds.size(), 1e3 * seconds[seconds.size() / 2],
                    1e3 * seconds[seconds.size() * 9 / 10], 1e3 * seconds.back());
        std::fflush(stdout);
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "round-robin") {
        int games = argc > 2 ? std::atoi(argv[2]) : 100;
        std::string players = argc > 3 ? argv[3] : "random,greedy1,greedy2,novice,amateur,master";
        return roundRobin(std::max(games, 2), split(players));
    }
    if (mode == "times") return turnTimes(argc > 2 ? std::max(1, std::atoi(argv[2])) : 200);
    std::fprintf(stderr, "usage: ai_bench round-robin [GAMES [PLAYERS]] | times [POSITIONS]\n");
    return 1;
}
