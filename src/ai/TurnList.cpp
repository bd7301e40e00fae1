// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "TurnList.h"

#include "SilentHost.h"

namespace reikoboy::ai {

namespace {

struct Lister {
    SilentHost host;
    std::vector<TurnResult> results;
    Turn prefix;
    long simulated = 0;

    void addEnding(const GameState& state, Click click) {
        Game game(host, state);
        if (!game.offers(click.button, click.index)) return;
        game.click(click.button, click.index);
        game.finishAnimation();
        ++simulated;
        prefix.push_back(click);
        results.push_back({prefix, std::move(game).releaseState()});
        prefix.pop_back();
    }

    void addFrom(const GameState& state, int firstDrop) {
        addEnding(state, {Button::Command5, 0});
        for (int r = 0; r < kRails; ++r) {
            addEnding(state, {Button::Command2, r});
            addEnding(state, {Button::Command3, r});
        }
        addEnding(state, {Button::Command4, 0});  // up
        addEnding(state, {Button::Command4, 1});  // down
        for (int k = firstDrop; k < kDropButtons; ++k) {
            Game game(host, state);
            if (!game.click(Button::Command1, k)) continue;
            ++simulated;
            prefix.push_back({Button::Command1, k});
            addFrom(game.state(), k + 1);
            prefix.pop_back();
        }
    }
};

}  // namespace

std::vector<TurnResult> listTurns(const GameState& state, long* simulated) {
    Lister lister;
    if (!state.animating()) lister.addFrom(state, 0);
    if (simulated) *simulated += lister.simulated;
    return std::move(lister.results);
}

}  // namespace reikoboy::ai
