// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "PeerPlayer.h"

#include <iostream>

#include "ai/ComputerPlayer.h"
#include "ai/GameMemory.h"
#include "net/RestBoard.h"
#include "persist/SavedGame.h"

namespace reikoboy::peer {

namespace {

// Why a connection ended, in a few words for standard error.
std::string describe(net::CloseCause cause, const QString& reason) {
    std::string word = reason.toStdString();
    switch (cause) {
    case net::CloseCause::Refused: return "refused: " + word;
    case net::CloseCause::ErrorSent: return "the opponent broke the protocol: " + word;
    case net::CloseCause::ErrorReceived: return "cut off by the opponent: " + word;
    case net::CloseCause::PeerLeft: return "the opponent left";
    case net::CloseCause::LeftHere: return "left";
    case net::CloseCause::Lost: return "the connection was lost";
    case net::CloseCause::Disconnected: return word.empty() ? "the connection was closed" : "cannot connect: " + word;
    }
    return word;
}

}  // namespace

PeerPlayer::PeerPlayer(net::NetworkGame& network, Game& game, const History& history, ai::Level level,
                       int waitSeconds)
    : network_(network), game_(game), history_(history), level_(level), waitMs_(waitSeconds * 1000) {
    waiting_.setSingleShot(true);
    goodbye_.setSingleShot(true);
    connect(&waiting_, &QTimer::timeout, this,
            [this] { fail("no opponent for " + std::to_string(waitMs_ / 1000) + " s"); });
    connect(&goodbye_, &QTimer::timeout, this, [this] { emit done(0); });
    connect(&network_, &net::NetworkGame::changed, this, &PeerPlayer::scheduleStep);
    connect(&network_, &net::NetworkGame::opponentJoined, &waiting_, &QTimer::stop);
    connect(&network_, &net::NetworkGame::opponentLeft, this, &PeerPlayer::opponentLeft);
    connect(&network_, &net::NetworkGame::connectionClosed, this, [this] {
        if (over_) emit done(0);
    });
    if (network_.hosting()) waiting_.start(waitMs_);
    scheduleStep();
}

void PeerPlayer::fail(const std::string& message) {
    std::cerr << "reikoboy-peer: " << message << '\n';
    emit done(4);
}

// Steps run from the event loop, never inside the network's own signals.
void PeerPlayer::scheduleStep() {
    if (stepQueued_ || over_) return;
    stepQueued_ = true;
    QTimer::singleShot(0, this, [this] {
        stepQueued_ = false;
        step();
    });
}

void PeerPlayer::settleBoard() {
    for (int i = 0; i < 1000 && game_.state().animating(); ++i) {
        game_.finishAnimation();
        network_.boardAtRest();
    }
    network_.boardAtRest();
}

void PeerPlayer::step() {
    for (int turn = 0; turn < 1000 && !over_; ++turn) {
        settleBoard();
        if (finishIfOver() || !network_.localMayMove()) return;
        ai::GameMemory memory(history_.boards(game_.state()));
        memory.add(game_.state());
        for (const ai::Click& click : ai::chooseTurn(game_.state(), level_, memory)) {
            if (!network_.localClick({click.button, click.index})) break;
            settleBoard();
        }
    }
}

// The game is over once all chips are out and both sides have checked the last board.
bool PeerPlayer::finishIfOver() {
    const net::Match* match = network_.match();
    if (over_ || !net::allChipsOut(game_.state()) || game_.state().animating() || (match && !match->settled()))
        return over_;
    over_ = true;
    waiting_.stop();
    std::cout << writeSavedGame(game_.state());
    std::cout.flush();
    if (!std::cout) {
        emit done(1);
        return true;
    }
    network_.leave();
    goodbye_.start(3000);  // the connection gives up on its own after two seconds
    if (!network_.hasOpponent()) emit done(0);
    return true;
}

void PeerPlayer::opponentLeft(net::CloseCause cause, const QString& reason) {
    step();  // what came before the end is played first
    if (over_ || finishIfOver()) {
        // Our BYE may still be on its way: the end comes with connectionClosed(), or the
        // goodbye timer.
        if (!network_.hasOpponent()) emit done(0);
        return;
    }
    if (network_.hosting()) {  // the host keeps its board and listens on
        std::cerr << "reikoboy-peer: " << describe(cause, reason) << "; waiting for an opponent\n";
        waiting_.start(waitMs_);
        return;
    }
    fail(describe(cause, reason));
}

}  // namespace reikoboy::peer
