// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// An address typed by hand: `host`, `host:port`, an IPv6 address, or `[IPv6]:port`.
#pragma once

#include <QString>
#include <optional>

namespace reikoboy {

inline constexpr quint16 kDefaultGamePort = 47323;

struct GameAddress {
    QString host;
    quint16 port = kDefaultGamePort;
};

// None for text that names no host or a port outside 1..65535.
std::optional<GameAddress> parseGameAddress(const QString& text, quint16 defaultPort = kDefaultGamePort);
// As a player would type it back: IPv6 in brackets, the port only when it is not the default.
QString gameAddressText(const GameAddress& address);

}  // namespace reikoboy
