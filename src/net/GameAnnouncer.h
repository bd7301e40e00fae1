// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// A hosted game announced on the local network through avahi-daemon, so that players nearby
// find it without typing an address. The announcement is kept while the daemon restarts.
#pragma once

#include <QObject>
#include <QString>
#include <memory>

namespace reikoboy::net {

class GameAnnouncer : public QObject {
    Q_OBJECT
public:
    explicit GameAnnouncer(QObject* parent = nullptr);
    // Withdraws: the daemon forgets a client's announcements when it leaves.
    ~GameAnnouncer() override;

    // Announces (or announces anew) the game hosted on this port under the player's name.
    // Returns at once; announced() or announceFailed() tell how it went.
    void announce(const QString& playerName, quint16 port);
    void withdraw();

    bool available() const { return available_; }
    QString unavailableReason() const { return reason_; }

signals:
    void availabilityChanged(bool available);
    // Seen on the network under this instance name (another one after a clash of names).
    void announced(const QString& instanceName);
    // Not announced, in words for the player; it is tried again when the daemon comes back.
    void announceFailed(const QString& reason);

private:
    struct Avahi;
    void setAvailability(bool available, const QString& reason);

    bool available_ = false;
    QString reason_;
    std::unique_ptr<Avahi> avahi_;
};

}  // namespace reikoboy::net
