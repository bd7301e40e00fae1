// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Taking moves back and playing them again. The history keeps, for every click on a board
// button, the game as it was just before that click (always a board at rest) and the click
// itself. Undo restores that state whole, so no move is ever reversed by hand; redo plays the
// taken-back click again through Game::click, with its animation and sounds.
//
// How a window uses it:
//   - every board-button click goes through History::click instead of Game::click;
//   - «Новая игра», a game opened by «Открыть...» and Yes to the end-of-game question call
//     clear() (a refused file leaves the game, and so its history, as it was);
//   - undo() works at any moment, also while an animation runs: the board goes back, at rest,
//     to the moment before the click that started the animation;
//   - redo() needs a board at rest (canRedo is false while an animation runs);
//   - against the computer, undoTo(human colour) goes back to the last moment the human was to
//     move, before their last click, taking back the computer's reply too. When the computer
//     then chooses a click, it compares it with nextRedo() and calls redo() when they are the
//     same, so that what was taken back can still be replayed.
// Undo and redo keep the options (sound switch, background) as they are now.
// Memory: only the newest board is kept whole (about 2 KB); each older one is the patch from
// the board after it, so a click costs about 200 bytes and a whole game a few tens of KB.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "Game.h"
#include "StateBytes.h"

namespace reikoboy {

struct BoardClick {
    Button button = Button::Command5;
    int index = 0;
    friend bool operator==(const BoardClick&, const BoardClick&) = default;
};

class History {
public:
    // Forgets every move: the game as it is now is as far back as undo goes.
    void clear();

    // Plays `click` on `game` as a player's click, first keeping the board as it is. A click
    // that is not offered changes nothing and is not kept. Drops whatever could be redone.
    bool click(Game& game, BoardClick click);

    bool canUndo() const { return !undo_.empty(); }
    bool canRedo(const Game& game) const { return !redo_.empty() && !game.state().animating(); }

    // Takes back the last click: `game` becomes the board as it was just before it.
    bool undo(Game& game);

    // Plays the last taken-back click again.
    bool redo(Game& game);

    // Whether `colour` made any of the clicks that can be taken back.
    bool canUndoTo(int colour) const;
    // Takes back clicks up to and including the last one `colour` made.
    bool undoTo(Game& game, int colour);

    // The click redo() would play.
    std::optional<BoardClick> nextRedo() const;

    std::size_t undoCount() const { return undo_.size(); }
    std::size_t redoCount() const { return redo_.size(); }

    // The boards kept, oldest first: the game as it was before each click that can be taken
    // back. The options are those of `now`.
    std::vector<GameState> boards(const GameState& now) const;

    // The clicks that can be taken back, oldest first, each with the colour that made it.
    struct Step {
        BoardClick click;
        int mover = 0;
        friend bool operator==(const Step&, const Step&) = default;
    };
    std::vector<Step> steps() const;
    // The clicks redo() would play, the next one first.
    std::vector<BoardClick> redoClicks() const { return {redo_.rbegin(), redo_.rend()}; }

    // Bytes the history holds on the heap.
    std::size_t bytes() const;

private:
    // The newest entry holds its state in full; every older one holds the patch that turns
    // the next newer entry's bytes into its own.
    struct Entry {
        StateBytes state;
        BoardClick click;
        int mover = 0;  // the colour to move before the click
    };

    void push(const GameState& before, BoardClick click);
    StateBytes pop();
    void restore(Game& game, const StateBytes& state);

    std::vector<Entry> undo_;
    std::vector<BoardClick> redo_;  // the next click to redo last
};

}  // namespace reikoboy
