// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The door of the network module (libreikoboy-network.so), the part of the game that uses
// sockets and the local network's discovery. The window opens it with QLibrary on first use
// and asks the one function kNetworkModuleEntry for this table.
#pragma once

#include <QList>
#include <QStringList>
#include <functional>
#include <memory>

#include "FoundGame.h"

class QObject;

namespace reikoboy {
class Game;
class History;
}  // namespace reikoboy

namespace reikoboy::net {

class NetworkPlay;

// The games announced on the local network, kept up to date while it lives.
class GameFinder {
public:
    virtual ~GameFinder() = default;
    // Still waiting for the first word from avahi-daemon.
    virtual bool connecting() const = 0;
    virtual bool available() const = 0;
    virtual QString unavailableReason() const = 0;
    // By player name, then address.
    virtual QList<FoundGame> games() const = 0;
};

class NetworkModule {
public:
    virtual ~NetworkModule() = default;
    // A network game over `game` and its `history`, owned by `parent`.
    virtual NetworkPlay* makeGame(Game& game, History& history, QObject* parent) = 0;
    // The addresses others may type to reach this machine (neither loopback nor link-local).
    virtual QStringList machineAddresses() const = 0;
    // Starts looking for games; `changed` is called, on this thread, whenever the list or its
    // availability changes.
    virtual std::unique_ptr<GameFinder> findGames(std::function<void()> changed) = 0;
    // Announces `play`'s hosted game under the host's `name` whenever it waits for an opponent
    // (withdrawn while one is connected, and with `play`).
    virtual void announce(NetworkPlay& play, const QString& name) = 0;
};

// Changed whenever NetworkModule or NetworkPlay changes, so that a stale module is refused.
inline constexpr int kNetworkModuleVersion = 1;
inline constexpr char kNetworkModuleEntry[] = "reikoboy_network_module";
using NetworkModuleEntry = NetworkModule* (*)(int version);

}  // namespace reikoboy::net
