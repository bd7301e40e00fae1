// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "Settings.h"

#include <pwd.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QVariant>
#include <QStandardPaths>

namespace reikoboy {

namespace {
const QString kApplication = QStringLiteral("Рейкобой");
const QString kBackgroundKey = QStringLiteral("Settings/Фон");
const QString kOpponentKey = QStringLiteral("Settings/Соперник");
const QString kStrengthKey = QStringLiteral("Settings/Сила");
const QString kScaleKey = QStringLiteral("Settings/Масштаб");
const QString kPlayerNameKey = QStringLiteral("Settings/Имя");
const QString kLanguageKey = QStringLiteral("Settings/Язык");
const QString kUndeletableKey = QStringLiteral("Interrupted/Answered");

// Two short values never need more: a larger store is no store of ours, and reading it
// would cost seconds and hundreds of megabytes at every start.
constexpr qint64 kLargestStore = 1 << 20;

enum class StoreFile { Usable, Oversized, Unusable };

// Looked at before QSettings opens it, which would read the whole file, and wait for ever
// on a FIFO.
StoreFile storeFile() {
    const QString name = settingsFileName();
    if (name.isEmpty()) return StoreFile::Unusable;  // no home: nowhere to keep it
    QFileInfo file(name);
    if (!file.exists()) return StoreFile::Usable;
    if (!file.isFile()) return StoreFile::Unusable;
    return file.size() > kLargestStore ? StoreFile::Oversized : StoreFile::Usable;
}

// With neither XDG_CONFIG_HOME nor HOME set, Qt takes the root of the file system for the
// home; the password database knows the real one. A user without an existing home keeps no
// settings. QSettings is told the same folder.
QString configFolder() {
    QString folder;
    if (!qEnvironmentVariableIsEmpty("XDG_CONFIG_HOME") || !qEnvironmentVariableIsEmpty("HOME")) {
        folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    } else {
        const passwd* user = ::getpwuid(::geteuid());
        const QString home = user && user->pw_dir ? QFile::decodeName(user->pw_dir) : QString();
        if (home.isEmpty() || QFileInfo(home).isRoot() || !QFileInfo(home).isDir()) return {};
        folder = home + QStringLiteral("/.config");
    }
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder);
    return folder;
}

}  // namespace

QString settingsFileName() {
    const QString folder = configFolder();
    if (folder.isEmpty()) return {};
    return folder + QLatin1Char('/') + kApplication + QLatin1Char('/') + kApplication + QStringLiteral(".ini");
}

StoredSettings readSettings(const QString& soundKey) {
    if (storeFile() != StoreFile::Usable) return {};  // as if there were none
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, kApplication, kApplication);
    return {settings.value(kBackgroundKey).toString(),
            settings.value(QStringLiteral("Settings/") + soundKey).toString(),
            settings.value(kOpponentKey).toString(), settings.value(kStrengthKey).toString()};
}

void writeSettings(const QString& soundKey, const QString& soundValue, const QString& background) {
    switch (storeFile()) {
        case StoreFile::Usable: break;
        case StoreFile::Oversized:
            if (!QFile::remove(settingsFileName())) return;  // a fresh store in its place
            break;
        case StoreFile::Unusable: return;  // a folder or a device stays untouched
    }
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, kApplication, kApplication);
    settings.setValue(QStringLiteral("Settings/") + soundKey, soundValue);
    settings.setValue(kBackgroundKey, background);
    settings.sync();
}

void writeComputerSettings(const QString& opponent, const QString& strength) {
    if (storeFile() != StoreFile::Usable) return;
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, kApplication, kApplication);
    settings.setValue(kOpponentKey, opponent);
    settings.setValue(kStrengthKey, strength);
    settings.sync();
}

namespace {

// One value beside the options; nothing when the store is not one of ours.
QVariant storedValue(const QString& key) {
    if (storeFile() != StoreFile::Usable) return {};
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, kApplication, kApplication);
    return settings.value(key);
}

// An empty value removes the key, so that a store without the choice reads as before.
void storeValue(const QString& key, const QVariant& value, bool empty) {
    if (storeFile() != StoreFile::Usable) return;
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, kApplication, kApplication);
    if (empty)
        settings.remove(key);
    else
        settings.setValue(key, value);
    settings.sync();
}

}  // namespace

QString readScale() { return storedValue(kScaleKey).toString(); }
void writeScale(const QString& percent) { storeValue(kScaleKey, percent, percent.isEmpty()); }

QString readPlayerName() { return storedValue(kPlayerNameKey).toString().left(32); }
void writePlayerName(const QString& name) { storeValue(kPlayerNameKey, name, false); }

QString readLanguage() {
    QString language = storedValue(kLanguageKey).toString();
    return language == QLatin1String("ru") || language == QLatin1String("en") ? language : QString();
}
void writeLanguage(const QString& language) { storeValue(kLanguageKey, language, language.isEmpty()); }

QStringList answeredUndeletableGames() { return storedValue(kUndeletableKey).toStringList(); }
void rememberAnsweredUndeletableGames(const QStringList& fingerprints) {
    storeValue(kUndeletableKey, fingerprints, fingerprints.isEmpty());
}

}  // namespace reikoboy
