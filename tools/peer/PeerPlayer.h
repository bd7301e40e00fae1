// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The player without a window: it runs every animation to its end at once, plays its own
// side with the computer while an opponent is connected, never asks for a new game, and when
// the game is over prints the final saved game and says goodbye. done() tells the exit code.
#pragma once

#include <QObject>
#include <QTimer>

#include "ai/Level.h"
#include "net/NetworkGame.h"

namespace reikoboy::peer {

class PeerPlayer : public QObject {
    Q_OBJECT
public:
    // `history` holds the boards of the game so far, which keep the computer from going round.
    PeerPlayer(net::NetworkGame& network, Game& game, const History& history, ai::Level level, int waitSeconds);

signals:
    void done(int exitCode);

private:
    void scheduleStep();
    void step();
    void settleBoard();
    bool finishIfOver();
    void opponentLeft(net::CloseCause cause, const QString& reason);
    void fail(const std::string& message);

    net::NetworkGame& network_;
    Game& game_;
    const History& history_;
    ai::Level level_;
    int waitMs_;
    QTimer waiting_;    // host: no opponent for this long ends the program
    QTimer goodbye_;    // after the last BYE, the connection is not waited for long
    bool stepQueued_ = false;
    bool over_ = false;
};

}  // namespace reikoboy::peer
