// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// A local network of the test's own: run inside a fresh network and mount namespace, it makes
// a virtual interface, a D-Bus system bus and an avahi-daemon that see nothing of the machine's.
// Both daemons are stopped by their process ids.
#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <memory>

class PrivateAvahi {
public:
    PrivateAvahi();
    ~PrivateAvahi();

    // The interface, /run of our own and the bus. False with the reason when not possible.
    bool prepare(QString& why);
    QByteArray busAddress() const { return busAddress_; }

    bool startDaemon(QString& why);
    void stopDaemon();
    QString daemonLog() const;

    // The host name the daemon announces.
    static constexpr const char* kHostName = "reikoboy-test";
    // Services of our type the daemon announces from its own files, as a stranger might: one
    // with a long name full of line breaks and a direction override, one of another version.
    static constexpr quint16 kStrangerPort = 47400;
    static constexpr quint16 kOtherVersionPort = 47401;
    static QString strangerNameShown();

private:
    bool writeStrangerServices(QString& why);
    bool run(const QString& program, const QStringList& arguments, QString& why);
    static void stop(std::unique_ptr<QProcess>& process);

    QTemporaryDir dir_;
    QByteArray busAddress_;
    std::unique_ptr<QProcess> bus_;
    std::unique_ptr<QProcess> daemon_;
};

// The programs the private network needs, or an empty string when all are there.
QString missingPrivateAvahiTools();
