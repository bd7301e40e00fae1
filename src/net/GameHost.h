// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The host's door: it listens on every interface, IPv4 and IPv6, greets each joiner with its
// own Session, lets in one opponent at a time with the game's code (a second one is refused
// busy), refuses an address for a minute after five wrong codes, and goes on listening with
// the same code whenever the opponent leaves, is cut off or is lost.
#pragma once

#include <QObject>
#include <QTcpServer>
#include <functional>
#include <string>
#include <vector>

#include "Connection.h"
#include "Doorkeeper.h"

namespace reikoboy::net {

class GameHost : public QObject {
    Q_OBJECT
public:
    explicit GameHost(std::string code, QObject* parent = nullptr);

    // Port 0 picks a free one; port() tells which. False when the port cannot be had.
    bool listen(quint16 port);
    void stopListening() { server_.close(); }
    quint16 port() const { return server_.serverPort(); }
    QString errorString() const { return server_.errorString(); }
    const std::string& code() const { return code_; }

    // The host's own name and colour, as WELCOME gives them (the joiner plays the other colour).
    void setPlayer(std::string name, int colour);
    void setTiming(Timing timing) { timing_ = timing; }

    // Given to every connection, e.g. for --trace.
    std::function<void(bool sent, const std::string& line)> trace;

    // The opponent let in, or null.
    Connection* opponent() const { return opponent_; }

    // At most this many connections may wait for their HELLO at once; more are closed at once.
    static constexpr std::size_t kMaxKnocking = 8;

signals:
    // WELCOME has gone out; the owner sends the board (Match::sendBoard) and plays.
    void opponentArrived(reikoboy::net::Connection* connection, const QString& name);
    // The opponent's connection is over; the host listens on.
    void opponentGone(reikoboy::net::CloseCause cause, const QString& reason);

private:
    void accept();
    void onEvent(Connection* connection, const Event& event);
    void forget(Connection* connection);

    QTcpServer server_;
    std::string code_;
    std::string name_;
    int colour_ = 0;
    Timing timing_;
    Doorkeeper door_;
    std::vector<Connection*> knocking_;
    Connection* opponent_ = nullptr;
};

}  // namespace reikoboy::net
