// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "Connection.h"

#include <QHostAddress>
#include <QTcpSocket>
#include <algorithm>
#include <chrono>
#include <limits>

namespace reikoboy::net {

namespace {

// More than a few lines' worth is never read ahead: a flood waits in the kernel, not here.
constexpr qint64 kReadBuffer = 64 * 1024;
constexpr int kClosingGraceMs = 2000;

}  // namespace

Millis steadyNow() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

Connection::Connection(QTcpSocket* socket, Session session, QObject* parent)
    : QObject(parent), socket_(socket), session_(std::move(session)) {
    socket_->setParent(this);
    socket_->setReadBufferSize(kReadBuffer);
    deadline_.setSingleShot(true);
    deadline_.setTimerType(Qt::CoarseTimer);
    closing_.setSingleShot(true);
    connect(socket_, &QTcpSocket::readyRead, this, &Connection::readLines);
    connect(socket_, &QTcpSocket::disconnected, this, &Connection::socketGone);
    connect(socket_, &QTcpSocket::errorOccurred, this, [this] {
        if (socket_->state() != QAbstractSocket::ConnectedState) socketGone();
    });
    connect(&deadline_, &QTimer::timeout, this, [this] {
        session_.tick(steadyNow());
        deliverEvents();
    });
    connect(&closing_, &QTimer::timeout, socket_, &QTcpSocket::abort);
}

Connection::~Connection() { socket_->disconnect(this); }

QString Connection::peerAddress() const { return addressText(socket_->peerAddress()); }

QString addressText(const QHostAddress& address) {
    bool mapped = false;
    quint32 v4 = address.toIPv4Address(&mapped);
    return mapped ? QHostAddress(v4).toString() : address.toString();
}

void Connection::readLines() {
    while (!session_.closed() && socket_->bytesAvailable() > 0) {
        QByteArray bytes = socket_->read(kReadBuffer);
        framer_.feed(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
        std::string line;
        Millis now = steadyNow();
        while (!session_.closed() && framer_.next(line)) {
            if (trace) trace(false, line);
            session_.receive(line, now);
        }
        if (!session_.closed()) session_.framingFault(framer_.fault());
        deliverEvents();
    }
    if (session_.closed()) socket_->readAll();  // what follows the end is never looked at
}

void Connection::deliverEvents() {
    for (const Event& event : session_.takeEvents()) emit eventReceived(event);
    flush();
}

void Connection::flush() {
    if (finished_) return;
    bool connected = socket_->state() == QAbstractSocket::ConnectedState;
    if (connected) write(session_.takeOutgoing(steadyNow()));
    if (session_.closed() && connected && session_.hasOutgoing()) {
        armTimer();  // the last lines leave at their pace, then the connection closes
        return;
    }
    if (session_.closed()) {
        deadline_.stop();
        if (!closing_.isActive()) closing_.start(kClosingGraceMs);
        socket_->disconnectFromHost();
        if (socket_->state() == QAbstractSocket::UnconnectedState) socketGone();
        return;
    }
    if (connected) armTimer();
}

void Connection::write(const std::vector<std::string>& lines) {
    QByteArray bytes;
    for (const std::string& line : lines) {
        if (trace) trace(true, line);
        bytes.append(line.data(), static_cast<qsizetype>(line.size()));
        bytes.append('\n');
    }
    if (!bytes.isEmpty()) socket_->write(bytes);
}

void Connection::sendLastLines(int ms) {
    if (finished_ || socket_->state() != QAbstractSocket::ConnectedState) return;
    // No pacing now: these are the last lines this connection will ever send.
    write(session_.takeOutgoing(std::numeric_limits<Millis>::max() / 2));
    auto started = steadyNow();
    while (socket_->bytesToWrite() > 0 && steadyNow() - started < ms)
        if (!socket_->waitForBytesWritten(static_cast<int>(ms - (steadyNow() - started)))) break;
}

void Connection::armTimer() {
    // Restarted only for a sooner deadline: when it fires early, the session says what is next.
    Millis at = session_.nextDeadline();
    if (deadline_.isActive() && armedFor_ <= at) return;
    armedFor_ = at;
    Millis wait = std::max<Millis>(0, at - steadyNow());
    deadline_.stop();
    deadline_.setTimerType(wait < 1000 ? Qt::PreciseTimer : Qt::CoarseTimer);
    deadline_.start(static_cast<int>(std::min<Millis>(wait, 60000)));
}

void Connection::socketGone() {
    if (finished_) return;
    session_.disconnected();
    for (const Event& event : session_.takeEvents()) emit eventReceived(event);
    finished_ = true;
    deadline_.stop();
    closing_.stop();
    emit finished();
}

}  // namespace reikoboy::net
