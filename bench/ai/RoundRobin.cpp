// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The computer player's strength and speed.
//
//   ai_bench round-robin [GAMES [PLAYERS [JOBS]]]   every pair plays GAMES games (colours
//                                                    alternate, each pair of games from the same
//                                                    random opening), on JOBS threads (1)
//   ai_bench game FIRST SECOND G                      game G of a pair, turn by turn
//   ai_bench times [POSITIONS]                       time per turn of each level over POSITIONS
//                                                    positions from games of the round robin
//
// PLAYERS is a comma-separated list of random, greedy1, greedy2, novice, amateur, master (or a
// trial "search:..." recipe). A game unfinished at the turn limit is won by nobody and counted
// apart; game lengths count it at the limit.
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
    int wins = 0, draws = 0, losses = 0, forfeits = 0, unfinished = 0;
    std::vector<int> lengths;
    std::vector<int> unfinishedGames;  // game numbers, to replay them
};

// Games of one pair, split between `jobs` threads; game 2g and 2g + 1 share an opening.
PairScore playPair(const std::string& a, const std::string& b, int games, unsigned jobs) {
    PairScore score;
    std::mutex lock;
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
                if (r.unfinished) {
                    ++score.unfinished;
                    score.unfinishedGames.push_back(g);
                } else {
                    (forA > 0 ? score.wins : forA < 0 ? score.losses : score.draws)++;
                }
                score.forfeits += r.forfeitColour >= 0;
                score.lengths.push_back(r.turns);
                // The count so far, so that a run cut short still tells what it played.
                std::fprintf(stderr, "%s – %s after %zu games: %d won, %d drawn, %d lost, %d unfinished\n", a.c_str(),
                             b.c_str(), score.lengths.size(), score.wins, score.draws, score.losses, score.unfinished);
            }
        });
    }
    for (auto& w : workers) w.join();
    std::sort(score.lengths.begin(), score.lengths.end());
    std::sort(score.unfinishedGames.begin(), score.unfinishedGames.end());
    return score;
}

int roundRobin(int games, const std::vector<std::string>& players, unsigned jobs) {
    for (auto& p : players)
        if (!makePlayer(p)) return std::fprintf(stderr, "unknown player %s\n", p.c_str()), 1;
    std::printf("| first – second | wins | draws | losses | unfinished | first's wins | median turns | worst "
                "turns | forfeits |\n");
    std::printf("|---|---|---|---|---|---|---|---|---|\n");
    for (size_t i = 0; i < players.size(); ++i) {
        for (size_t j = i + 1; j < players.size(); ++j) {
            PairScore s = playPair(players[j], players[i], games, jobs);
            std::printf("| %s – %s | %d | %d | %d | %d | %.0f %% | %d | %d | %d |\n", players[j].c_str(),
                        players[i].c_str(), s.wins, s.draws, s.losses, s.unfinished, 100.0 * s.wins / games,
                        s.lengths[s.lengths.size() / 2], s.lengths.back(), s.forfeits);
            if (!s.unfinishedGames.empty()) {
                std::fprintf(stderr, "%s – %s unfinished games:", players[j].c_str(), players[i].c_str());
                for (int g : s.unfinishedGames) std::fprintf(stderr, " %d", g);
                std::fprintf(stderr, "\n");
            }
            std::fflush(stdout);
        }
    }
    return 0;
}

// One game of a pair as the round robin plays it, a line per turn: for looking into a game
// that did not finish.
int traceGame(const std::string& a, const std::string& b, int g) {
    auto first = makePlayer(a), second = makePlayer(b);
    if (!first || !second) return std::fprintf(stderr, "unknown player\n"), 1;
    std::vector<Position> positions;
    MatchResult r = g % 2 == 0 ? playMatch(*first, *second, 1000 + g / 2, kOpeningTurns, kTurnLimit, &positions)
                               : playMatch(*second, *first, 1000 + g / 2, kOpeningTurns, kTurnLimit, &positions);
    for (const Position& p : positions) {
        const GameState& s = p.board;
        std::printf("turn %d %s: scores %d-%d, stock %d-%d, out %d, quiet %d, seen %d\n", p.memory.turns(),
                    s.turnColour == kBlue ? "blue" : "red", int(s.blueScore), int(s.redScore),
                    kChipsPerColour - int(s.blueDropped), kChipsPerColour - int(s.redDropped), int(s.chipsOut),
                    p.memory.quietTurns(), p.memory.seen(s));
        for (int colour : {kBlue, kRed})
            for (int i = 0; i < s.dropped(colour); ++i)
                if (s.out(colour)[i] == 0)
                    std::printf("  %s chip at column %d, level %d\n", colour == kBlue ? "blue" : "red",
                                columnOf(s.chips(colour)[i]), levelOf(s.chips(colour)[i]));
    }
    std::printf("%s blue; %d turns, %d-%d%s\n", g % 2 == 0 ? a.c_str() : b.c_str(), r.turns, r.blueScore, r.redScore,
                r.unfinished ? ", unfinished" : "");
    return 0;
}

int turnTimes(int count) {
    // From games of the round robin: «Мастер» against «Любитель», «Новичок» against greedy2,
    // and random play, which leaves more drops on offer.
    std::vector<Position> positions;
    const char* pairs[][2] = {{"master", "amateur"}, {"novice", "greedy2"}, {"random", "random"}};
    for (std::uint32_t seed = 1; int(positions.size()) < 4 * count; ++seed) {
        auto blue = makePlayer(pairs[seed % 3][seed % 2]), red = makePlayer(pairs[seed % 3][1 - seed % 2]);
        playMatch(*blue, *red, seed, kOpeningTurns, kTurnLimit, &positions);
    }
    // Every fourth position, so that they come from many games and every stage of a game.
    std::vector<Position> sample;
    for (size_t i = 0; i < positions.size() && int(sample.size()) < count; i += 4) sample.push_back(positions[i]);

    std::printf("| level | positions | median | 90th percentile | worst |\n|---|---|---|---|---|\n");
    for (auto [name, level] : {std::pair{"novice", ai::Level::Novice}, std::pair{"amateur", ai::Level::Amateur},
                               std::pair{"master", ai::Level::Master}}) {
        std::vector<double> seconds;
        for (const Position& p : sample) {
            auto start = std::chrono::steady_clock::now();
            ai::Turn turn = ai::chooseTurn(p.board, level, p.memory);
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
        unsigned jobs = argc > 4 ? unsigned(std::max(1, std::atoi(argv[4]))) : 1u;
        return roundRobin(std::max(games, 2), split(players), jobs);
    }
    if (mode == "game" && argc > 4) return traceGame(argv[2], argv[3], std::atoi(argv[4]));
    if (mode == "times") return turnTimes(argc > 2 ? std::max(1, std::atoi(argv[2])) : 200);
    std::fprintf(stderr, "usage: ai_bench round-robin [GAMES [PLAYERS [JOBS]]] | times [POSITIONS]\n");
    return 1;
}
