// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// One TCP connection speaking the protocol: it frames the bytes that come into lines for its
// Session, sends what the session has to send, wakes the session only at its next deadline
// (a PING after 5 s of silence, a loss after 20 s: never more than once a second), and closes
// the socket once the session is closed, after its last line (an ERROR, REFUSED or BYE).
#pragma once

#include <QObject>
#include <QTimer>
#include <functional>
#include <string>

#include "LineFramer.h"
#include "Session.h"

class QHostAddress;
class QTcpSocket;

namespace reikoboy::net {

// A moment on the steady clock, as sessions take it.
Millis steadyNow();

// An address as text, an IPv4 address mapped into IPv6 shown as IPv4: one key per peer.
QString addressText(const QHostAddress& address);

class Connection : public QObject {
    Q_OBJECT
public:
    // Takes `socket` over; `session` is this side of it. flush() starts it (a joiner's HELLO,
    // the host's deadline for it) once the owner has connected to its signals.
    Connection(QTcpSocket* socket, Session session, QObject* parent = nullptr);
    ~Connection() override;

    Session& session() { return session_; }
    QString peerAddress() const;

    // Sends what the session has queued; closes once the session is closed. Call it after
    // acting on the session from outside an event.
    void flush();
    // At the program's end: the lines still queued (BYE among them) are written and given up
    // to `ms` milliseconds to leave, so that the peer hears why the game ended.
    void sendLastLines(int ms);

    // Every line sent (true) and received (false), e.g. for --trace.
    std::function<void(bool sent, const std::string& line)> trace;

signals:
    // Each event of the session, in order; act on it directly (flush() follows by itself).
    void eventReceived(const reikoboy::net::Event& event);
    // The socket is closed and the session with it; the connection may be deleted.
    void finished();

private:
    void readLines();
    void deliverEvents();
    void socketGone();
    void armTimer();
    void write(const std::vector<std::string>& lines);

    QTcpSocket* socket_;
    Session session_;
    LineFramer framer_;
    QTimer deadline_;
    Millis armedFor_ = 0;
    QTimer closing_;  // a peer that never reads our last line is not waited for long
    bool finished_ = false;
};

}  // namespace reikoboy::net
