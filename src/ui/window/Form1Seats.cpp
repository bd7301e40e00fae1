// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The seats on the board: the side to move is played here, by the computer or over the
// network. The window offers its buttons only to the seat here; an opponent's presses are
// shown before they play. A network game also changes what «Новая игра», «Открыть...», undo
// and the end of the game do.
#include <QMessageBox>
#include <QTimer>

#include "net/NetworkPlay.h"
#include "persist/Statistics.h"
#include "ui/board/MoveHint.h"
#include "ui/seats/ComputerTurn.h"
#include "ui/seats/NetworkSide.h"
#include "ui/seats/RemoteSeat.h"
#include "ui/window/Form1.h"

namespace reikoboy {

namespace {

const char* const kNoUndo = QT_TRANSLATE_NOOP("reikoboy::Form1", "В сетевой игре ход не отменить.");
const char* const kNoRedo = QT_TRANSLATE_NOOP("reikoboy::Form1", "В сетевой игре ход не повторить.");

}  // namespace

Seat Form1::seatOf(int colour) const {
    if (net_ && net_->game) return colour == net_->game->localColour() ? Seat::Here : Seat::Remote;
    std::optional<int> computer = computerColour(opponent_);
    return computer && *computer == colour ? Seat::Computer : Seat::Here;
}

bool Form1::opponentsTurn() const {
    if (computer_->busy()) return true;
    if (!net_ || !net_->game) return false;
    // Waiting for the opponent, its turn, or the last turn not yet checked: nothing to press here.
    return net_->seat->busy() || !net_->game->localMayMove();
}

bool Form1::showsOpponentPress(Button button, int index) const {
    return computer_->shows(button, index) || (net_ && net_->game && net_->seat->shows(button, index));
}

bool Form1::holdsTimers() const { return net_ && net_->game && net_->seat->busy(); }

void Form1::networkSynced() {
    if (!net_) return;
    bool on = net_->game != nullptr;
    bool joiner = on && !net_->game->hosting();
    QAction* open = net_->open;
    if (open && open->isEnabled() == joiner) open->setEnabled(!joiner);  // the host's file is for both
    if (giveUpAction_ && on && giveUpAction_->isEnabled()) giveUpAction_->setEnabled(false);
    for (auto [action, why] : {std::pair{undoAction_, kNoUndo}, std::pair{redoAction_, kNoRedo}}) {
        QString tip = on ? tr(why) : QString();
        if (action->statusTip() != tip) {
            action->setStatusTip(tip);
            action->setToolTip(tip);
        }
        if (on && action->isEnabled()) action->setEnabled(false);
    }
    if (!on) return;
    if (net_->seat->busy()) net_->seat->keepShown();
    const GameState& s = game_.state();
    if (s.animating()) {
        net_->moving = true;
    } else if (net_->moving && !net_->seat->busy() && !net_->restQueued) {
        // Told from the event loop, not from inside the tick that settled the board.
        net_->restQueued = true;
        QTimer::singleShot(0, this, [this] {
            net_->restQueued = false;
            if (!net_->game || game_.state().animating()) return;
            net_->moving = false;
            net_->game->boardAtRest();
            sync();
        });
    }
    announceTurn();
}

void Form1::announceTurn() {
    const GameState& s = game_.state();
    const net::Match* match = net_->game->match();
    if (!net_->connected || !match || !match->agreed() || !match->settled() || net_->seat->busy() || ai::gameOver(s)) return;
    int turn = int(s.turnColour);
    if (turn == net_->announcedTurn) return;
    net_->announcedTurn = turn;
    QString name = net_->game->opponentName();
    QString said = seatOf(turn) == Seat::Here
                       ? tr("Ходит %1").arg(net_->localName)
                       : tr("Ходит %1 (по сети)").arg(name.isEmpty() ? tr("соперник") : name);
    if (!net_->preface.isEmpty()) said = net_->preface + QLatin1Char(' ') + said;
    net_->preface.clear();
    announce(said);
}

bool Form1::networkClick(BoardClick click) {
    if (!net_ || !net_->game) return false;
    if (!net_->game->localMayMove()) return true;  // only the seat here presses, and only in its turn
    hint_->stop();
    agreedToEnd_ = false;
    if (net_->game->localClick(click)) net_->moving = true;
    sync();
    return true;
}

bool Form1::networkNova() {
    if (!net_ || !net_->game) return false;
    if (!net_->game->hasOpponent()) {
        // Nobody to agree with: the host starts its board anew for whoever joins.
        if (!net_->game->hosting()) announce(tr("Связь с соперником потеряна."));
        return !net_->game->hosting();
    }
    net_->askedHere = true;
    net_->game->askAgain();
    if (net_->game && net_->askedHere && !net_->askedThere) announce(tr("Ждём ответа соперника…"));
    return true;
}

void Form1::networkOpened() {
    if (!net_ || !net_->game) return;
    computer_->setColour(std::nullopt);
    net_->announcedTurn = -1;
    net_->game->boardChanged();
}

bool Form1::networkEndOfGame(const std::string& text) {
    if (!net_ || !net_->game) return false;
    const GameState& s = game_.state();
    int local = net_->game->localColour();
    int lead = local == kBlue ? s.blueScore - s.redScore : s.redScore - s.blueScore;
    if (!resultCounted_) {
        resultCounted_ = true;
        countResult(ResultRow::Network, lead > 0 ? Outcome::Win : lead < 0 ? Outcome::Loss : Outcome::Draw,
                    std::max(0, std::abs(lead)));
    }
    QString shown = shownGameText(text).replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
    // Once the tick that ended the game is over, so that the last turn is checked meanwhile.
    QTimer::singleShot(0, this, [this, shown] {
        sync();
        QMessageBox box(QMessageBox::NoIcon, gameTitle(), shown, QMessageBox::Yes | QMessageBox::No,
                        this);
        box.setObjectName(QStringLiteral("NetworkEndQuestion"));
        box.setDefaultButton(QMessageBox::Yes);
        if (box.exec() == QMessageBox::Yes) networkNova();
    });
    return true;
}

}  // namespace reikoboy
