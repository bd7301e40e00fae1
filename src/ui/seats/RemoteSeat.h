// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The opponent over the network, on this screen. Its clicks arrive already played on the
// board; each is shown as the computer's are, its button pressed with its hint for a moment,
// and only then does the board move (the window holds its timers while a press shows).
#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <deque>
#include <functional>
#include <optional>

#include "game/Game.h"
#include "game/History.h"
#include "ui/seats/ComputerTurn.h"

class QAbstractButton;

namespace reikoboy {

class RemoteSeat : public QObject {
public:
    struct Board {
        std::function<QAbstractButton*(BoardClick)> button;
        std::function<void(const QString&)> hint;
        std::function<void()> refresh;  // show the game anew: the held move starts
        std::function<void(BoardClick)> play;  // the press was shown: now it plays
    };

    RemoteSeat(Board board, QObject* parent);

    void show(BoardClick click);
    // A press is on show: the board waits for it.
    bool busy() const { return shown_.has_value(); }
    bool shows(Button button, int index) const {
        return shown_ && shown_->button == button && shown_->index == index;
    }
    void stop();
    // The board hides its buttons while a move is under way; the press on show stays in sight.
    void keepShown();
    void setShowMilliseconds(int ms) { showMilliseconds_ = ms; }

private:
    void showNext();
    void release();

    Board board_;
    QTimer timer_;
    std::deque<BoardClick> waiting_;
    std::optional<BoardClick> shown_;
    QPointer<QAbstractButton> button_;
    int showMilliseconds_ = ComputerTurn::kShowMilliseconds;
};

}  // namespace reikoboy
