// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "Match.h"

#include "ai/ComputerPlayer.h"
#include "ai/PlayTurn.h"
#include "ai/SilentHost.h"

namespace reikoboy::bench {

int MatchResult::winner() const {
    if (forfeitColour == kBlue) return -1;
    if (forfeitColour == kRed) return +1;
    if (unfinished) return 0;
    return blueScore > redScore ? 1 : blueScore < redScore ? -1 : 0;
}

MatchResult playMatch(Player& blue, Player& red, std::uint32_t seed, int openingTurns, int turnLimit,
                      std::vector<Position>* positions) {
    ai::SilentHost host;
    Game game(host);
    game.formLoad("", "");
    std::mt19937 dice(seed);
    std::unique_ptr<Player> opener = makePlayer("random");
    MatchResult result;
    ai::GameMemory memory;
    for (; !ai::gameOver(game.state()); ++result.turns) {
        if (result.turns >= turnLimit) {
            result.unfinished = true;
            break;
        }
        memory.add(game.state());
        int side = game.state().turnColour;
        bool opening = result.turns < openingTurns;
        if (!opening && positions) positions->push_back({game.state(), memory});
        Player& mover = opening ? *opener : side == kBlue ? blue : red;
        if (!ai::playTurn(game, mover.choose(game.state(), memory, dice))) {
            result.forfeitColour = side;
            break;
        }
    }
    result.blueScore = game.state().blueScore;
    result.redScore = game.state().redScore;
    return result;
}

}  // namespace reikoboy::bench
