// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Network games announced on the local network, found through avahi-daemon: each one seen on
// any interface and protocol is resolved to an address and port and its announcement checked.
// All talk with the daemon happens on a thread of its own; results arrive as queued signals.
#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <memory>

#include "FoundGame.h"

namespace reikoboy::net {

// The DNS-SD service type of a hosted game.
inline constexpr char kGameServiceType[] = "_reikoboy._tcp";


class GameBrowser : public QObject {
    Q_OBJECT
public:
    explicit GameBrowser(QObject* parent = nullptr);
    ~GameBrowser() override;

    bool available() const { return available_; }
    // Why not, in words for the player; empty while available.
    QString unavailableReason() const { return reason_; }
    const QHash<QString, FoundGame>& games() const { return games_; }

    // More services than this under our type are not followed (a flood on the network).
    static constexpr int kMaxFollowed = 64;

signals:
    // Availability or the reason for its absence changed. When it goes, every game is lost.
    void availabilityChanged(bool available);
    // A new game, or a known one announced anew (e.g. another port).
    void gameFound(const reikoboy::net::FoundGame& game);
    void gameLost(const QString& key);

private:
    struct Avahi;
    void setAvailability(bool available, const QString& reason);
    void found(const FoundGame& game);
    void lost(const QString& key);

    QHash<QString, FoundGame> games_;
    bool available_ = false;
    QString reason_;
    std::unique_ptr<Avahi> avahi_;
};

}  // namespace reikoboy::net

