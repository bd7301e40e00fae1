// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// A network game announced on the local network, as found there.
#pragma once

#include <QMetaType>
#include <QString>

namespace reikoboy::net {

struct FoundGame {
    // Interface, protocol, instance name and domain: the same game seen over IPv4 and IPv6 is
    // two entries, each with an address the other cannot give.
    QString key;
    QString playerName;  // from the announcement, made plain and short
    QString hostName;    // likewise
    QString address;     // numeric; IPv6 link-local with its %interface
    quint16 port = 0;
    bool thisMachine = false;  // announced from this computer (possibly by this very program)
};

}  // namespace reikoboy::net

Q_DECLARE_METATYPE(reikoboy::net::FoundGame)
