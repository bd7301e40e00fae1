// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/windows/NetworkAddress.h"

namespace reikoboy {

namespace {

std::optional<quint16> portOf(const QString& text) {
    bool ok = false;
    uint port = text.toUInt(&ok);
    if (!ok || port < 1 || port > 65535) return std::nullopt;
    return static_cast<quint16>(port);
}

bool plausibleHost(const QString& host) {
    if (host.isEmpty() || host.size() > 253) return false;
    for (QChar c : host)
        if (c.isSpace() || c == QLatin1Char('/') || c == QLatin1Char('[') || c == QLatin1Char(']')) return false;
    return true;
}

}  // namespace

std::optional<GameAddress> parseGameAddress(const QString& typed, quint16 defaultPort) {
    const QString text = typed.trimmed();
    GameAddress address{{}, defaultPort};
    if (text.startsWith(QLatin1Char('['))) {
        qsizetype close = text.indexOf(QLatin1Char(']'));
        if (close < 0) return std::nullopt;
        address.host = text.mid(1, close - 1);
        QString rest = text.mid(close + 1);
        if (!rest.isEmpty()) {
            if (!rest.startsWith(QLatin1Char(':'))) return std::nullopt;
            std::optional<quint16> port = portOf(rest.mid(1));
            if (!port) return std::nullopt;
            address.port = *port;
        }
        if (!address.host.contains(QLatin1Char(':'))) return std::nullopt;  // brackets are for IPv6
    } else if (text.count(QLatin1Char(':')) == 1) {
        qsizetype colon = text.indexOf(QLatin1Char(':'));
        address.host = text.left(colon);
        std::optional<quint16> port = portOf(text.mid(colon + 1));
        if (!port) return std::nullopt;
        address.port = *port;
    } else {
        address.host = text;  // a name, an IPv4 address, or a bare IPv6 address (no port)
    }
    if (!plausibleHost(address.host)) return std::nullopt;
    return address;
}

QString gameAddressText(const GameAddress& address) {
    QString host = address.host.contains(QLatin1Char(':')) ? QLatin1Char('[') + address.host + QLatin1Char(']')
                                                           : address.host;
    if (address.port == kDefaultGamePort && !address.host.contains(QLatin1Char(':'))) return host;
    return host + QLatin1Char(':') + QString::number(address.port);
}

}  // namespace reikoboy
