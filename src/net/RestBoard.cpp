// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "RestBoard.h"

#include "game/Game.h"
#include "persist/SavedGame.h"

namespace reikoboy::net {

namespace {

// A copy run to its end makes no sound and starts no new game.
class QuietHost : public Host {
public:
    void playSound(Sound) override {}
    bool askEndOfGame(const std::string&) override { return false; }
};

}  // namespace

std::string restBytes(const GameState& state) {
    if (!state.animating()) return writeSavedGame(state);
    QuietHost host;
    Game copy(host, state);
    copy.finishAnimation();
    return writeSavedGame(copy.state());
}

bool allChipsOut(const GameState& state) { return state.chipsOut >= 2 * kChipsPerColour; }

}  // namespace reikoboy::net
