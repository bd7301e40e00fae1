// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// A game against a player over the network, for the window and for reikoboy-peer alike: it
// hosts (GameHost) or joins, and plays the opponent's side of `game` through a Match — the
// remote seat. The window keeps its Game and History and:
//   - routes this side's board clicks through localClick() while localMayMove();
//   - calls boardAtRest() whenever an animation ends, so the opponent's next click is played;
//   - calls boardChanged() (host) after «Новая игра» or «Открыть...», which sends the board;
//   - redraws on changed(), shows remoteClicked() as it shows the computer's clicks, and shows
//     chatReceived() and names as plain text only (never as markup).
// Whatever the opponent does, this side's board only ever changes by clicks that were offered,
// or (joiner) by a received board that passed every check «Открыть...» makes.
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>

#include "Connection.h"
#include "GameHost.h"
#include "Match.h"

namespace reikoboy::net {

class NetworkGame : public QObject {
    Q_OBJECT
public:
    NetworkGame(Game& game, History& history, QObject* parent = nullptr);
    ~NetworkGame() override;

    // Host: listens on every interface (port 0: any free one) for a joiner with `code`.
    // False when the port cannot be had (errorString() says why).
    bool host(quint16 port, const std::string& code, const std::string& name, int colour);
    // Joiner: connects to `address` (a name or an IPv4 or IPv6 address); opponentJoined() or
    // opponentLeft() follows.
    void join(const QString& address, quint16 port, const std::string& code, const std::string& name);

    bool hosting() const { return host_ != nullptr; }
    quint16 port() const { return host_ ? host_->port() : 0; }
    QString errorString() const { return error_; }
    bool hasOpponent() const { return match_ != nullptr; }
    QString opponentName() const { return opponentName_; }
    int localColour() const { return match_ ? match_->localColour() : colour_; }
    const Match* match() const { return match_.get(); }

    bool localMayMove() const { return match_ && match_->localMayMove(); }
    bool localClick(BoardClick click);
    void boardAtRest();
    void boardChanged();
    bool sendChat(const QString& text);
    void askAgain();
    // BYE to the opponent; a host stops listening.
    void leave();

    // For tests: a quicker heartbeat; and every line sent and received.
    void setTiming(Timing timing);
    void setTrace(std::function<void(bool sent, const std::string& line)> trace) { trace_ = std::move(trace); }

    static constexpr int kConnectTimeoutMs = 10000;
    // How long a closing program waits for its last lines (a window closed, a peer done).
    static constexpr int kLastLinesMs = 1000;

signals:
    void opponentJoined(const QString& name);
    void boardReplaced();
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

private:
    void takeConnection(Connection* connection, const QString& name);
    void onEvent(const Event& event);
    void dropConnection();
    void flush();

    Game& game_;
    History& history_;
    std::unique_ptr<GameHost> host_;
    Connection* connection_ = nullptr;
    std::unique_ptr<Match> match_;
    std::string name_;
    int colour_ = 0;
    QString opponentName_;
    QString error_;
    Timing timing_;
    QTimer connectTimeout_;
    std::function<void(bool, const std::string&)> trace_;
};

}  // namespace reikoboy::net
