// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// A game played against the peer of one session: it plays the peer's clicks on this side's
// board through History::click, in order, each once the board is at rest and only if it is the
// peer's turn and the button is offered; it sends this side's clicks, the CHECK after each
// click that passes the turn or ends the game, and (host) the board. Standard C++, no Qt.
//
// How a window or a headless player uses it:
//   - feed every event of the session to handle(), then call pump();
//   - call pump() again whenever the board comes to rest (an animation ended);
//   - play this side's clicks with localClick() (not History::click), when localMayMove();
//   - host: sendBoard() after the opponent is admitted, after «Новая игра» and after a file
//     was opened; the new board goes out once the board is at rest.
// A peer that breaks the rules is cut off (ERROR not-offered, desync, bad-game) and the board
// stays as it was.
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>

#include "RestBoard.h"
#include "Session.h"
#include "game/Game.h"
#include "game/History.h"

namespace reikoboy::net {

class Match {
public:
    Match(Game& game, History& history, Session& session, Hasher hasher, int localColour);

    void handle(const Event& event);
    void pump();

    bool localMayMove() const;
    bool localClick(BoardClick click);
    void sendBoard();
    void askAgain() { session_.askAgain(); }

    int localColour() const { return localColour_; }
    int remoteColour() const { return 1 - localColour_; }
    bool agreed() const { return agreed_; }  // both sides hold the same board
    bool gameOver() const { return allChipsOut(game_.state()); }
    // Nothing of either side's last turn is still to be played, sent or checked.
    bool settled() const;

    // Called after each of the peer's clicks was played (its animation may still run).
    std::function<void(BoardClick)> onRemoteClick;
    // When set, each of the peer's clicks is first handed to it, checked but not yet played,
    // and waits for playShownClick(): a window shows the opponent's press before it plays, as
    // it does the computer's. Once the session is closed, clicks are played without showing.
    std::function<void(BoardClick)> onRemoteShow;
    void playShownClick();
    // Called when a received board was opened (joiner) or a new game started (host).
    std::function<void()> onBoardReplaced;

private:
    struct Pending {
        bool isMove = true;
        BoardClick click;
        std::string hash;
    };
    bool atRest() const { return !game_.state().animating() && !shown_; }
    std::string hash() const { return hasher_(restBytes(game_.state())); }
    void settleClicks();
    bool playPending();
    bool playRemote(BoardClick click);
    bool cutOff(const char* reason);  // always false
    void openBoard(const std::string& text);
    void forgetTurns();

    Game& game_;
    History& history_;
    Session& session_;
    Hasher hasher_;
    int localColour_;
    bool agreed_ = false;
    bool boardPending_ = false;      // host: a board to send once at rest
    std::string boardHash_;          // host: the hash READY must bring
    bool localUnsettled_ = false;    // this side clicked; CHECK decided once at rest
    bool remoteUnsettled_ = false;   // the peer's click is being played
    bool awaitingCheck_ = false;     // the peer passed the turn; its CHECK comes next
    std::deque<Pending> pending_;    // the peer's clicks and checks, in order
    std::optional<BoardClick> shown_;  // the peer's click on show, not yet played
};

}  // namespace reikoboy::net
