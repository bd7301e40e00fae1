// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// What the window keeps of network play. The network objects themselves are made only when
// the player creates or joins a game, so that nothing of them delays the first frame.
#pragma once

#include <QPointer>
#include <QString>

#include "ui/seats/RemoteSeat.h"
#include "ui/windows/ChatWindow.h"

class QAction;

namespace reikoboy {

namespace net {
class NetworkModule;
class NetworkPlay;
}  // namespace net

struct NetworkSide {
    ~NetworkSide();

    QAction* create = nullptr;
    QAction* join = nullptr;
    QAction* chat = nullptr;
    QAction* leave = nullptr;
    QAction* open = nullptr;  // «Открыть...»: the host's only
    net::NetworkModule* module = nullptr;  // opened with the first network game
    net::NetworkPlay* game = nullptr;      // while a network game is on
    RemoteSeat* seat = nullptr;
    QPointer<ChatWindow> chatWindow;
    QString localName;
    QString code;         // the host's code for this game
    QString lastAddress;  // the joiner's, offered again for a rejoin
    QString lastCode;
    bool connected = false;    // an opponent is there
    bool moving = false;       // the board moved since the game was last told it is at rest
    bool restQueued = false;
    bool askedHere = false;    // «Новая игра» asked for on this side
    bool askedThere = false;   // and on the other
    bool boardsSeen = false;   // the joiner has had its first board
    int announcedTurn = -1;
    QString preface;  // what happened to the board, said again before whose turn it is
    int showMilliseconds = -1;  // for tests: how long the opponent's presses show
};

}  // namespace reikoboy
