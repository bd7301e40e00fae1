// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "PlayTurn.h"

#include "ComputerPlayer.h"

namespace reikoboy::ai {

bool playTurn(Game& game, const Turn& turn) {
    if (turn.empty()) return false;
    int mover = game.state().turnColour;
    for (size_t i = 0; i < turn.size(); ++i) {
        if (gameOver(game.state())) return false;  // nothing is played after the end
        if (!game.click(turn[i].button, turn[i].index)) return false;
        game.finishAnimation();
        // Only the last click may pass the turn.
        bool passed = game.state().turnColour != mover;
        if (passed != (i + 1 == turn.size()) && !gameOver(game.state())) return false;
    }
    return true;
}

}  // namespace reikoboy::ai
