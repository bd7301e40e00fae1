// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "GameHost.h"

#include <QTcpSocket>
#include <algorithm>

namespace reikoboy::net {

GameHost::GameHost(std::string code, QObject* parent) : QObject(parent), code_(std::move(code)) {
    connect(&server_, &QTcpServer::newConnection, this, &GameHost::accept);
}

bool GameHost::listen(quint16 port) { return server_.listen(QHostAddress::Any, port); }

void GameHost::setPlayer(std::string name, int colour) {
    name_ = std::move(name);
    colour_ = colour;
}

void GameHost::accept() {
    while (QTcpSocket* socket = server_.nextPendingConnection()) {
        if (knocking_.size() >= kMaxKnocking) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        Millis now = steadyNow();
        bool refused = door_.refused(addressText(socket->peerAddress()).toStdString(), now);
        auto* connection = new Connection(socket, Session::host(code_, refused, now, timing_), this);
        knocking_.push_back(connection);
        connect(connection, &Connection::eventReceived, this,
                [this, connection](const Event& event) { onEvent(connection, event); });
        connect(connection, &Connection::finished, this, [this, connection] { forget(connection); });
        connection->trace = trace;
        connection->flush();
    }
}

void GameHost::onEvent(Connection* connection, const Event& event) {
    std::string address = connection->peerAddress().toStdString();
    switch (event.kind) {
    case Event::Kind::WrongCode:
        door_.wrongCode(address, steadyNow());
        break;
    case Event::Kind::HelloReceived:
        if (opponent_) {
            connection->session().refuse(reason::kBusy);
            break;
        }
        door_.rightCode(address);
        connection->session().admit(1 - colour_, name_);
        opponent_ = connection;
        std::erase(knocking_, connection);
        emit opponentArrived(connection, QString::fromStdString(event.text));
        break;
    case Event::Kind::Closed:
        if (connection == opponent_) {
            opponent_ = nullptr;
            emit opponentGone(event.cause, QString::fromStdString(event.text));
        }
        break;
    default:
        break;
    }
}

void GameHost::forget(Connection* connection) {
    std::erase(knocking_, connection);
    if (connection == opponent_) opponent_ = nullptr;
    connection->deleteLater();
}

}  // namespace reikoboy::net
