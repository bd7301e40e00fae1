// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The computer's turn on the board. It thinks off the window's thread, then presses its
// buttons one by one as a player would: each is first shown pressed for a moment with its
// hint, then clicked, and the next waits until the board has settled. It stops at once when
// told to, and no move of a stopped turn is made afterwards.
#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <optional>

#include "ui/seats/TurnThinker.h"

class QAbstractButton;

namespace reikoboy {

class ComputerTurn : public QObject {
public:
    // What the window lends the computer.
    struct Board {
        std::function<QAbstractButton*(const ai::Click&)> button;
        std::function<void(const QString&)> hint;      // the status bar, as under the mouse
        std::function<void(const QString&)> announce;  // the status bar, and screen readers
        std::function<void()> refresh;                 // show the game anew
        std::function<ai::GameMemory()> memory;        // the boards of the game so far
        // The clicks `colour` has made in its turn so far, those before a pause included.
        std::function<ai::Turn(int colour)> turnSoFar;
    };

    // How long a button is shown before it is pressed, so that a player can follow.
    static constexpr int kShowMilliseconds = 400;

    ComputerTurn(const Game& game, Board board, QObject* parent);

    // The colour the computer plays; none when two people play.
    void setColour(std::optional<int> colour);
    void setLevel(ai::Level level) { level_ = level; }
    ai::Level level() const { return level_; }
    void setShowMilliseconds(int ms) { showMilliseconds_ = ms; }

    // The window has shown the game anew: a turn that is due starts, and a turn whose last
    // move has settled goes on.
    void boardChanged();
    void stop();
    // Stops and starts no turn until resume().
    void hold();
    void resume();

    // Holds the computer for as long as it lives, e.g. while a dialog may replace the game.
    class Hold {
    public:
        explicit Hold(ComputerTurn& computer) : computer_(computer) { computer_.hold(); }
        ~Hold() { computer_.resume(); }
        Hold(const Hold&) = delete;
        Hold& operator=(const Hold&) = delete;

    private:
        ComputerTurn& computer_;
    };

    // Thinking or playing: the player's board buttons stay hidden.
    bool busy() const { return phase_ != Phase::Idle && phase_ != Phase::NoMove; }
    // The button it is about to press, shown to the player.
    bool shows(Button button, int index) const;
    // A board click now counts: no turn of the computer runs, or the click is its own.
    bool letsPress() const { return !busy() || pressing_; }

private:
    enum class Phase { Idle, Thinking, Showing, Settling, NoMove };

    void startIfDue();
    void play(const ai::Turn& turn);
    void step();
    void showNext();
    void press();
    void finish();

    const Game& game_;
    Board board_;
    TurnThinker thinker_;
    QTimer stepTimer_;
    std::optional<int> colour_;
    ai::Level level_ = ai::kDefaultLevel;
    int showMilliseconds_ = kShowMilliseconds;
    Phase phase_ = Phase::Idle;
    ai::Turn turn_;
    size_t next_ = 0;  // the click of turn_ to come
    QPointer<QAbstractButton> shown_;
    bool pressing_ = false;
    bool held_ = false;
};

}  // namespace reikoboy
