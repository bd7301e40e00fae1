// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Two games joined by two sessions in memory, lines passed by hand: a host and a joiner that
// play through Match as the window and the headless player do, the computer choosing turns.
#pragma once

#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ai/ComputerPlayer.h"
#include "game/Game.h"
#include "game/History.h"
#include "net/Match.h"
#include "net/Session.h"

namespace reikoboy::net::testing {

inline const std::string kCode = "271828";

// Any function of the bytes does for the state machine; the socket side's SHA-256 is tested there.
inline std::string fakeHash(std::string_view bytes) {
    char text[17];
    std::snprintf(text, sizeof text, "%016zx", std::hash<std::string_view>{}(bytes));
    return std::string(text) + text + text + text;
}

class NoQuestionHost : public Host {
public:
    void playSound(Sound) override {}
    bool askEndOfGame(const std::string&) override { return false; }
};

struct Side {
    Side(Session s, int colour) : session(std::move(s)) {
        game.formLoad("", "");
        match = std::make_unique<Match>(game, history, session, fakeHash, colour);
    }
    // A new connection for the same game, as the host has after a rejoin.
    void reconnect(Session s) {
        int colour = match->localColour();
        session = std::move(s);
        match = std::make_unique<Match>(game, history, session, fakeHash, colour);
        closes.clear();
    }
    NoQuestionHost host;
    Game game{host};
    History history;
    Session session;
    std::unique_ptr<Match> match;
    std::vector<Event> closes;
};

// Lines in flight may be looked at or changed on their way.
using Tamper = std::function<void(std::string& line)>;

// Delivers what `from` has to send to `to`, and lets `to` act on it. Each delivery is 100 ms
// after the one before, and the lines arrive 20 ms apart.
inline void deliver(Side& from, Side& to, const Tamper& tamper = {}) {
    static Millis now = 0;
    now += 100;
    for (std::string& line : from.session.takeOutgoing(now)) {
        if (tamper) tamper(line);
        to.session.receive(line, now += 20);
    }
    for (const Event& e : to.session.takeEvents()) {
        if (e.kind == Event::Kind::HelloReceived) {
            to.session.admit(to.match->remoteColour(), "Хозяин");
            to.match->sendBoard();
        }
        if (e.kind == Event::Kind::Closed) to.closes.push_back(e);
        to.match->handle(e);
    }
    // The peer's clicks run to their ends one by one, as the headless player runs them.
    to.match->pump();
    for (int i = 0; i < 100 && to.game.state().animating(); ++i) {
        to.game.finishAnimation();
        to.match->pump();
    }
}

// The computer plays `side`'s turn when it may; true if it did.
inline bool playComputerTurn(Side& side) {
    if (!side.match->localMayMove()) return false;
    for (const ai::Click& click : ai::chooseTurn(side.game.state(), ai::Level::Novice)) {
        if (!side.match->localClick({click.button, click.index})) return false;
        side.game.finishAnimation();
        side.match->pump();
    }
    return true;
}

// Plays until nothing more happens, at most `rounds` exchanges; how many turns were played.
inline int playOn(Side& host, Side& joiner, int rounds, const Tamper& tamper = {}) {
    int turns = 0;
    for (int i = 0; i < rounds; ++i) {
        deliver(joiner, host);
        deliver(host, joiner, tamper);
        bool moved = playComputerTurn(host);
        moved = playComputerTurn(joiner) || moved;
        turns += moved;
        bool over = host.match->gameOver() && host.match->settled() && joiner.match->settled();
        if (!moved && ((host.session.closed() && joiner.session.closed()) || over)) break;
    }
    deliver(joiner, host);  // what the last turn sent
    deliver(host, joiner, tamper);
    return turns;
}

}  // namespace reikoboy::net::testing
