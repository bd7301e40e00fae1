// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The two options that outlive a run, in the platform's per-user settings store:
// application "Рейкобой", section "Settings", keys "Фон" (background) and the sound switch,
// whose key is the sound menu item's caption.
#pragma once

#include <QString>
#include <QStringList>

namespace reikoboy {

struct StoredSettings {
    QString background;
    QString sound;  // as stored: "0" on, "1" off; may be empty or anything else
    QString opponent;  // "Соперник" as stored: "0" a second player, "1" the computer red, "2" blue
    QString strength;  // "Сила" as stored: "0".."2", the computer's level
};

// A store file over 1 MB, or one that is not a regular file, counts as absent; closing
// replaces an oversized one with a fresh store.
StoredSettings readSettings(const QString& soundKey);
void writeSettings(const QString& soundKey, const QString& soundValue, const QString& background);
// The opponent and the computer's strength, beside the other two; after writeSettings.
void writeComputerSettings(const QString& opponent, const QString& strength);

// The window's scale as chosen under «Масштаб»: "100", "150" or "200" per cent; "" (or
// anything else) leaves it to the desktop. Key "Масштаб" beside the options.
QString readScale();
void writeScale(const QString& percent);

// The player's name for network games, as last given. Key "Имя" beside the options.
QString readPlayerName();
void writePlayerName(const QString& name);

// The interface's language: "" (as on the desktop), "ru" or "en"; anything else reads as "".
QString readLanguage();
void writeLanguage(const QString& language);

// Interrupted games the players answered but that could not be removed (a folder closed for
// writing), by the fingerprints of their bytes: they are not offered again. Section
// "Interrupted", apart from the options; absent unless such a game exists.
QStringList answeredUndeletableGames();
void rememberAnsweredUndeletableGames(const QStringList& fingerprints);

// Where the store lies: the user's configuration folder, "Рейкобой/Рейкобой.ini" (the INI format's name).
QString settingsFileName();

}  // namespace reikoboy
