// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// A game against a player over the network, as the window sees it. The window is built
// without sockets: NetworkGame, which does the work, lives in the network module that the
// window loads the first time the player creates or joins a game (see NetworkModule.h), so
// that Qt Network and the discovery library never delay the first frame.
#pragma once

#include <QObject>
#include <QString>
#include <string>

#include "Match.h"
#include "Session.h"

namespace reikoboy::net {

class NetworkPlay : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Host: listens on every interface (port 0: any free one) for a joiner with `code`.
    // False when the port cannot be had (errorString() says why).
    virtual bool host(quint16 port, const std::string& code, const std::string& name, int colour) = 0;
    // Joiner: connects to `address` (a name or an IPv4 or IPv6 address); opponentJoined() or
    // opponentLeft() follows.
    virtual void join(const QString& address, quint16 port, const std::string& code, const std::string& name) = 0;

    virtual bool hosting() const = 0;
    virtual quint16 port() const = 0;
    virtual QString errorString() const = 0;
    virtual bool hasOpponent() const = 0;
    virtual QString opponentName() const = 0;
    virtual int localColour() const = 0;
    virtual const Match* match() const = 0;

    virtual bool localMayMove() const = 0;
    virtual bool localClick(BoardClick click) = 0;
    virtual void boardAtRest() = 0;
    virtual void boardChanged() = 0;
    virtual bool sendChat(const QString& text) = 0;
    virtual void askAgain() = 0;
    // BYE to the opponent; a host stops listening.
    virtual void leave() = 0;
    // For tests: a quicker heartbeat.
    virtual void setTiming(Timing timing) = 0;
    // A window shows each of the opponent's presses before it is played: remoteShown() comes
    // first, and the click waits for playShownClick(). Off, clicks are played as they come.
    virtual void setShowsClicks(bool shows) = 0;
    virtual void playShownClick() = 0;

signals:
    void opponentJoined(const QString& name);
    void boardReplaced();
    void remoteShown(reikoboy::BoardClick click);
    void remoteClicked(reikoboy::BoardClick click);
    void chatReceived(const QString& text);
    void againAsked();
    // The opponent's connection is over (a host listens on); `reason` is the one word of an
    // ERROR or REFUSED, or a socket's error text.
    void opponentLeft(reikoboy::net::CloseCause cause, const QString& reason);
    void changed();
    // The connection is closed for good (after the last line was written, or given up on):
    // only now may a program that left end without cutting its own BYE short.
    void connectionClosed();
};

}  // namespace reikoboy::net
