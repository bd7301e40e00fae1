// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// What another machine announces is shown to the player, so every byte of it is treated as
// hostile: these turn it into short plain text, and build what this machine announces itself.
#pragma once

#include <QString>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace reikoboy::net {

// Longest player name shown from an announcement, in characters.
inline constexpr int kMaxDiscoveredName = 32;

// Plain text for the screen: bytes that are not UTF-8 dropped, as are control, format
// (bidirectional overrides, zero-width) and line-separating characters; runs of spaces become
// one, the ends are trimmed, and at most maxCharacters characters are kept.
QString discoveredText(std::string_view raw, int maxCharacters);

// The same for a player's name.
QString discoveredName(std::string_view raw);

// A game's TXT entries as they came: the player's name when one entry is exactly "v=1"
// (keys compare without case, the first of a key counts), else nothing: another version or
// something else under our service type is not listed.
std::optional<QString> announcedPlayerName(const std::vector<std::string>& txt);

// The instance name announced for a player, "Рейкобой: <name>", cut on a character boundary
// to DNS's 63 bytes per label.
std::string serviceInstanceName(const QString& playerName);

}  // namespace reikoboy::net
