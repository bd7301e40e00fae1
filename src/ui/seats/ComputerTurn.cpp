// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/seats/ComputerTurn.h"

#include <QAbstractButton>
#include <QCoreApplication>

#include "ui/board/TurnWords.h"

namespace reikoboy {

ComputerTurn::ComputerTurn(const Game& game, Board board, QObject* parent)
    : QObject(parent), game_(game), board_(std::move(board)), thinker_([this](const ai::Turn& t) { play(t); }) {
    stepTimer_.setSingleShot(true);
    connect(&stepTimer_, &QTimer::timeout, this, &ComputerTurn::step);
}

void ComputerTurn::setColour(std::optional<int> colour) {
    stop();
    colour_ = colour;
}

void ComputerTurn::boardChanged() {
    if (phase_ == Phase::Settling && !game_.state().animating() && !stepTimer_.isActive())
        stepTimer_.start(0);  // not from inside the click or tick that is still running
    startIfDue();
}

void ComputerTurn::stop() {
    thinker_.stop();
    stepTimer_.stop();
    if (shown_) shown_->setDown(false);
    shown_ = nullptr;
    turn_.clear();
    next_ = 0;
    phase_ = Phase::Idle;
}

void ComputerTurn::hold() {
    held_ = true;
    stop();
}

void ComputerTurn::resume() {
    held_ = false;
    board_.refresh();
}

bool ComputerTurn::shows(Button button, int index) const {
    return phase_ == Phase::Showing && next_ < turn_.size() && turn_[next_].button == button &&
           turn_[next_].index == index;
}

void ComputerTurn::startIfDue() {
    const GameState& s = game_.state();
    if (held_ || phase_ != Phase::Idle || !colour_ || s.animating() || ai::gameOver(s) ||
        int(s.turnColour) != *colour_)
        return;
    phase_ = Phase::Thinking;
    thinker_.think(s, level_, board_.memory ? board_.memory() : ai::GameMemory{});
}

void ComputerTurn::play(const ai::Turn& turn) {
    if (turn.empty()) {
        phase_ = Phase::NoMove;  // nothing to play here; a new game or position wakes it again
        board_.refresh();
        return;
    }
    turn_ = turn;
    next_ = 0;
    showNext();
}

void ComputerTurn::step() {
    if (phase_ == Phase::Showing) {
        press();
    } else if (phase_ == Phase::Settling && !game_.state().animating()) {
        if (next_ < turn_.size() && !ai::gameOver(game_.state()))
            showNext();
        else
            finish();
    }
}

void ComputerTurn::showNext() {
    const ai::Click& click = turn_[next_];
    QAbstractButton* button = board_.button(click);
    if (!button || !game_.offers(click.button, click.index)) {
        finish();  // never a move the board does not offer
        return;
    }
    phase_ = Phase::Showing;
    shown_ = button;
    board_.refresh();
    button->setDown(true);
    board_.hint(button->accessibleDescription());
    stepTimer_.start(showMilliseconds_);
}

void ComputerTurn::press() {
    QPointer<QAbstractButton> button = shown_;
    shown_ = nullptr;
    phase_ = Phase::Settling;
    ++next_;
    if (!button) return;
    button->setDown(false);
    // The same click as a player's, through the window's own handler.
    pressing_ = true;
    button->click();
    pressing_ = false;
    boardChanged();
}

void ComputerTurn::finish() {
    ai::Turn played(turn_.begin(), turn_.begin() + static_cast<std::ptrdiff_t>(std::min(next_, turn_.size())));
    // A turn a dialog paused is told whole: what was pressed before the pause too.
    if (!played.empty() && colour_ && board_.turnSoFar) {
        ai::Turn whole = board_.turnSoFar(*colour_);
        if (whole.size() >= played.size()) played = std::move(whole);
    }
    stop();
    // The player's buttons first, where the focus goes back to; then what the computer did,
    // said by the control that has the focus.
    board_.refresh();
    if (!played.empty()) {
        board_.announce(
            QCoreApplication::translate("reikoboy::ComputerTurn", "Компьютер %1").arg(turnDoneWords(played)));
    }
}

}  // namespace reikoboy
