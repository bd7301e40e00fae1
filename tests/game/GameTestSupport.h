// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Shared pieces of the game tests: a host that records what the game asked of it, and a
// game that plays move strings ("Command1 3; Command2 2") the way players click them.
#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "MoveScript.h"
#include "game/Game.h"

namespace reikoboy::testing {

class RecordingHost : public Host {
public:
    void playSound(Sound sound) override { sounds.push_back(static_cast<int>(sound)); }
    bool askEndOfGame(const std::string& text) override {
        questions.push_back(text);
        timer3RunningWhileAsked = timer3RunningWhileAsked || (game && game->state().Timer3.Enabled);
        return answer;
    }

    std::vector<int> sounds;
    std::vector<std::string> questions;
    bool answer = false;
    bool timer3RunningWhileAsked = false;
    const Game* game = nullptr;
};

// A game started as the program starts with an empty settings store.
struct PlayedGame {
    RecordingHost host;
    Game game{host};

    PlayedGame() {
        host.game = &game;
        game.formLoad("", "");
    }

    const GameState& state() const { return game.state(); }

    // Plays moves separated by ';', each run to the end of its animation. Fails the test on a
    // move that is not offered.
    void play(const std::string& moves) {
        std::istringstream in(moves);
        std::string move;
        while (std::getline(in, move, ';')) {
            ScriptLine line = parseScriptLine(move);
            ASSERT_NE(line.kind, ScriptLine::Bad) << move << ": " << line.error;
            if (line.kind == ScriptLine::Skip) continue;
            if (line.kind == ScriptLine::NewGame) {
                game.newGame();
            } else {
                ASSERT_TRUE(game.click(line.button, line.index)) << "not offered: " << move;
            }
            game.finishAnimation();
        }
    }

    // Puts the game into a prepared situation, as opening a saved game would.
    template <class Edit>
    void arrange(Edit edit) {
        ASSERT_TRUE(game.open([&](GameState& s) {
            edit(s);
            return true;
        }));
    }
};

// Places chip i of a colour on the board at (column, level), counting it as dropped.
inline void placeChip(GameState& s, int colour, int i, int column, int level) {
    s.chips(colour)[i] = {chipLeftAt(column), chipTopAt(level), true};
    if (s.dropped(colour) <= i) s.dropped(colour) = i + 1;
}

inline int chipCount(const GameState& s, int colour, int column, int level) {
    int n = 0;
    for (int i = 0; i < int(s.dropped(colour)); ++i)
        if (s.out(colour)[i] == 0 && columnOf(s.chips(colour)[i]) == column &&
            levelOf(s.chips(colour)[i]) == level)
            ++n;
    return n;
}

}  // namespace reikoboy::testing
