// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "Match.h"

#include <sstream>

#include "persist/SavedGame.h"

namespace reikoboy::net {

Match::Match(Game& game, History& history, Session& session, Hasher hasher, int localColour)
    : game_(game), history_(history), session_(session), hasher_(std::move(hasher)), localColour_(localColour) {}

void Match::handle(const Event& event) {
    using Kind = Event::Kind;
    switch (event.kind) {
    case Kind::Welcomed:
        localColour_ = event.colour;
        break;
    case Kind::BoardReceived:
        openBoard(event.text);
        break;
    case Kind::Ready:
        if (event.text != boardHash_) session_.fail(reason::kDesync);
        else agreed_ = true;
        break;
    case Kind::Move:
        pending_.push_back({true, event.click, {}});
        break;
    case Kind::Check:
        pending_.push_back({false, {}, event.text});
        break;
    case Kind::AgainAgreed:
        localColour_ = remoteColour();
        if (session_.role() == Session::Role::Host) {
            game_.newGame();
            history_.clear();
            sendBoard();
            if (onBoardReplaced) onBoardReplaced();
        } else {
            agreed_ = false;  // until the new board comes
        }
        break;
    default:
        break;
    }
}

// A received board is read with every check «Открыть...» makes; a refused one leaves this
// side's game as it was.
void Match::openBoard(const std::string& text) {
    std::istringstream in(text);
    if (openSavedGame(game_, in) != ReadResult::Ok) {
        session_.fail(reason::kBadGame);
        return;
    }
    history_.clear();
    forgetTurns();
    session_.ready(hash());
    agreed_ = true;
    if (onBoardReplaced) onBoardReplaced();
}

void Match::forgetTurns() {
    pending_.clear();
    shown_.reset();
    localUnsettled_ = remoteUnsettled_ = awaitingCheck_ = false;
}

void Match::sendBoard() {
    if (session_.role() != Session::Role::Host) return;
    agreed_ = false;
    boardPending_ = true;
    pump();
}

void Match::pump() {
    // What the peer sent before it left is still played; nothing after this side cut it off.
    while (atRest()) {
        settleClicks();
        if (boardPending_) {
            boardPending_ = false;
            forgetTurns();
            std::string bytes = restBytes(game_.state());
            boardHash_ = hasher_(bytes);
            session_.sendBoard(bytes);
        }
        if (pending_.empty() || !playPending()) return;
    }
}

// Once a click's animation has ended: did it pass the turn (or end the game)?
void Match::settleClicks() {
    int turn = game_.state().turnColour;
    if (localUnsettled_) {
        localUnsettled_ = false;
        if (turn != localColour_ || gameOver()) session_.sendCheck(hash());
    }
    if (remoteUnsettled_) {
        remoteUnsettled_ = false;
        if (turn != remoteColour() || gameOver()) awaitingCheck_ = true;
    }
}

// Plays the peer's next click or check; false when the peer was cut off.
bool Match::playPending() {
    Pending next = std::move(pending_.front());
    pending_.pop_front();
    if (!next.isMove) {
        if (!awaitingCheck_) return cutOff(reason::kUnexpected);
        awaitingCheck_ = false;
        return next.hash == hash() || cutOff(reason::kDesync);
    }
    const GameState& s = game_.state();
    bool theirTurn = agreed_ && !awaitingCheck_ && s.turnColour == remoteColour() && !gameOver();
    if (!theirTurn || !game_.offers(next.click.button, next.click.index)) return cutOff(reason::kNotOffered);
    if (onRemoteShow && !session_.closed()) {
        shown_ = next.click;
        onRemoteShow(next.click);
        return false;  // the board waits for the show
    }
    return playRemote(next.click);
}

bool Match::playRemote(BoardClick click) {
    if (!history_.click(game_, click)) return cutOff(reason::kNotOffered);
    remoteUnsettled_ = true;
    if (onRemoteClick) onRemoteClick(click);
    return true;
}

void Match::playShownClick() {
    if (!shown_) return;
    BoardClick click = *shown_;
    shown_.reset();
    if (playRemote(click)) pump();
}

bool Match::cutOff(const char* reason) {
    session_.fail(reason);
    pending_.clear();
    return false;
}

bool Match::settled() const {
    return atRest() && !localUnsettled_ && !remoteUnsettled_ && !awaitingCheck_ && pending_.empty() && !boardPending_;
}

bool Match::localMayMove() const {
    return !session_.closed() && agreed_ && settled() && game_.state().turnColour == localColour_ && !gameOver();
}

bool Match::localClick(BoardClick click) {
    if (!localMayMove() || !game_.offers(click.button, click.index)) return false;
    if (!history_.click(game_, click)) return false;
    session_.sendMove(click);
    localUnsettled_ = true;
    pump();
    return true;
}

}  // namespace reikoboy::net
