// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "NetworkGame.h"

#include <QTcpSocket>

#include "Sha256.h"

namespace reikoboy::net {

NetworkGame::NetworkGame(Game& game, History& history, QObject* parent)
    : NetworkPlay(parent), game_(game), history_(history) {
    connectTimeout_.setSingleShot(true);
}

NetworkGame::~NetworkGame() {
    match_.reset();
    if (!connection_) return;
    connection_->disconnect(this);
    connection_->sendLastLines(kLastLinesMs);
}

void NetworkGame::setTiming(Timing timing) {
    timing_ = timing;
    if (host_) host_->setTiming(timing);
}

bool NetworkGame::host(quint16 port, const std::string& code, const std::string& name, int colour) {
    name_ = name;
    colour_ = colour;
    host_ = std::make_unique<GameHost>(code);
    host_->setPlayer(name, colour);
    host_->setTiming(timing_);
    host_->trace = trace_;
    connect(host_.get(), &GameHost::opponentArrived, this, &NetworkGame::takeConnection);
    if (host_->listen(port)) return true;
    error_ = host_->errorString();
    host_.reset();
    return false;
}

void NetworkGame::join(const QString& address, quint16 port, const std::string& code, const std::string& name) {
    auto* socket = new QTcpSocket(this);
    connect(socket, &QTcpSocket::connected, this, [this, socket, code, name] {
        connectTimeout_.stop();
        socket->disconnect(this);
        Session session = Session::joiner(code, name, steadyNow(), timing_);
        takeConnection(new Connection(socket, std::move(session), this), {});
        flush();
    });
    connect(socket, &QTcpSocket::errorOccurred, this, [this, socket] {
        if (connection_) return;
        connectTimeout_.stop();
        socket->disconnect(this);
        socket->deleteLater();
        emit opponentLeft(CloseCause::Disconnected, socket->errorString());
    });
    connect(&connectTimeout_, &QTimer::timeout, socket, &QTcpSocket::abort);
    connectTimeout_.start(kConnectTimeoutMs);
    socket->connectToHost(address, port);
}

void NetworkGame::takeConnection(Connection* connection, const QString& name) {
    connection_ = connection;
    connection->trace = trace_;
    match_ = std::make_unique<Match>(game_, history_, connection->session(), sha256Hex, colour_);
    match_->onRemoteClick = [this](BoardClick click) { emit remoteClicked(click); };
    if (showsClicks_) match_->onRemoteShow = [this](BoardClick click) { emit remoteShown(click); };
    match_->onBoardReplaced = [this] { emit boardReplaced(); };
    connect(connection, &Connection::eventReceived, this, &NetworkGame::onEvent);
    connect(connection, &Connection::finished, this, &NetworkGame::dropConnection);
    if (hosting()) {
        opponentName_ = name;
        match_->sendBoard();
        flush();
        emit opponentJoined(name);
        emit changed();
    }
}

void NetworkGame::onEvent(const Event& event) {
    if (!match_) return;
    match_->handle(event);
    match_->pump();
    switch (event.kind) {
    case Event::Kind::Welcomed:
        opponentName_ = QString::fromStdString(event.text);
        emit opponentJoined(opponentName_);
        break;
    case Event::Kind::AgainAgreed:
        colour_ = match_->localColour();
        if (host_) host_->setPlayer(name_, colour_);
        break;
    case Event::Kind::Chat:
        emit chatReceived(QString::fromStdString(event.text));
        break;
    case Event::Kind::AgainAsked:
        emit againAsked();
        break;
    case Event::Kind::Closed:
        match_->playShownClick();  // the press on show was the opponent's: it stays played
        colour_ = match_->localColour();
        emit changed();
        emit opponentLeft(event.cause, QString::fromStdString(event.text));
        return;
    default:
        break;
    }
    emit changed();
}

void NetworkGame::dropConnection() {
    if (match_) colour_ = match_->localColour();
    match_.reset();
    if (connection_) connection_->disconnect(this);
    connection_ = nullptr;
    opponentName_.clear();
    emit connectionClosed();
}

void NetworkGame::flush() {
    if (connection_) connection_->flush();
}

bool NetworkGame::localClick(BoardClick click) {
    bool played = match_ && match_->localClick(click);
    flush();
    return played;
}

void NetworkGame::boardAtRest() {
    if (!match_) return;
    match_->pump();
    flush();
}

void NetworkGame::boardChanged() {
    if (!match_) return;
    match_->sendBoard();
    flush();
}

void NetworkGame::playShownClick() {
    if (!match_) return;
    match_->playShownClick();
    flush();
}

bool NetworkGame::sendChat(const QString& text) {
    bool sent = connection_ && connection_->session().sendChat(text.toStdString());
    flush();
    return sent;
}

void NetworkGame::askAgain() {
    if (!match_ || !connection_) return;
    match_->askAgain();
    // Asking second agrees at once: the session posts that here, with no line to bring it.
    for (const Event& event : connection_->session().takeEvents()) onEvent(event);
    if (match_) match_->pump();
    flush();
}

void NetworkGame::leave() {
    if (connection_) connection_->session().leave();
    if (match_) match_->playShownClick();
    flush();
    if (host_) host_->stopListening();
}

}  // namespace reikoboy::net
