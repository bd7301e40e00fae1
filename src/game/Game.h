// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The rules of one game: start-up, new game, the moves behind the board buttons, the three
// animations tick by tick, falling, scoring and the end of a game. Standard C++, no windows:
// the window shows `state()` and routes every click and tick here.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "GameState.h"
#include "Host.h"

namespace reikoboy {

enum class Button { Command1, Command2, Command3, Command4, Command5 };

// Number of elements of each board button array.
int buttonCount(Button button);

// Points a chip earns leaving the board through `column` with the drum at `drumPos`.
int pointsFor(int column, int drumPos);

class Game {
public:
    explicit Game(Host& host);
    // A game that goes on from `state`, as the computer player and taking moves back need.
    Game(Host& host, const GameState& state) : host_(host), state_(state) {}
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    const GameState& state() const { return state_; }
    // Hands the state over, when this game is no longer needed: cheaper than a copy.
    GameState releaseState() && { return std::move(state_); }

    // The window's load handler, handed the two stored settings as the store gave them.
    void formLoad(std::string_view storedBackground, std::string_view storedSound);

    // The new-game menu command: a running animation stops first, then a new game starts.
    void newGame();

    // Whether a button is shown and enabled now, i.e. whether its move is legal.
    bool offers(Button button, int index = 0) const;

    // A click on a board button. A button that is not offered changes nothing (returns false).
    bool click(Button button, int index = 0);
    bool command1Click(int k) { return click(Button::Command1, k); }
    bool command2Click(int r) { return click(Button::Command2, r); }
    bool command3Click(int r) { return click(Button::Command3, r); }
    bool command4Click(int i) { return click(Button::Command4, i); }
    bool command5Click() { return click(Button::Command5); }

    // Ticks of the three animation timers; a tick of a stopped timer is ignored.
    void timer1Tick();
    void timer2Tick();
    void timer3Tick();

    // Runs whatever animation is running to its end at once (used before saving).
    void finishAnimation();

    // Takes the game back to `state`, a board recorded earlier: a running animation stops
    // first, as for a new game. The options (sound switch, background) stay as they are now.
    void restore(const GameState& state);

    // A game kept in the middle of a turn in which the side to move had already dropped a
    // chip goes on with the pass on offer, as it was. Only a board at rest has such a turn.
    void resumeTurnAfterDrop();

    // The sound menu item.
    void sonClick();

    // A background picture was chosen and painted.
    void setBackground(std::string file) { state_.bgFile = std::move(file); }

    // Opens a saved game: a new game, then `readInto` fills in the saved values. When it
    // refuses, or the values would put a chip off the grid, the game is left exactly as it was.
    bool open(const std::function<bool(GameState&)>& readInto);

    // The sound switch as the settings store keeps it.
    std::string soundSetting() const { return std::to_string(state_.soundOff); }

private:
    void nov();
    void osv();
    void butu();
    void hideBoardButtons();
    void butp();
    void pok();
    void Sou2(int n);

    void unpackPattern();
    void stopAnimation();
    void dropChip(int k);
    void shiftRail(int r, int direction);
    void turnDrum(int i);
    void pass();
    void railTick(AnimationTimer& timer, int direction);
    void exitPass(int colour);
    void showScores();
    void endOfGameCheck();
    void showTurn();
    bool chooseFalling(int colour, int column, int level);

    Host& host_;
    GameState state_;
};

// True when every chip on the board stands in a cell of the 13 x 6 grid.
bool chipsFitGrid(const GameState& state);

}  // namespace reikoboy
