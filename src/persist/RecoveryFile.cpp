// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "RecoveryFile.h"

#include <pwd.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "SavedGame.h"
#include "WholeFile.h"

namespace reikoboy {

namespace {

// With neither XDG_DATA_HOME nor HOME set, Qt takes the root of the file system for the
// home; the password database knows the real one, and a user without one keeps nothing.
QString dataFolder() {
    if (!qEnvironmentVariableIsEmpty("XDG_DATA_HOME") || !qEnvironmentVariableIsEmpty("HOME"))
        return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    const passwd* user = ::getpwuid(::geteuid());
    const QString home = user && user->pw_dir ? QFile::decodeName(user->pw_dir) : QString();
    if (home.isEmpty() || QFileInfo(home).isRoot() || !QFileInfo(home).isDir()) return {};
    // The application's part of the path ("/<organization>/<application>") as Qt makes it.
    const QString generic = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    const QString own = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return home + QStringLiteral("/.local/share") + own.mid(generic.size());
}

}  // namespace

QString recoveryFileName() {
    const QString folder = dataFolder();
    return folder.isEmpty() ? QString() : folder + QStringLiteral("/interrupted.sav");
}

bool keepInterruptedGame(const GameState& state) {
    const QString name = recoveryFileName();
    if (name.isEmpty() || !QDir().mkpath(QFileInfo(name).absolutePath())) return false;
    return writeWholeFile(name, QByteArray::fromStdString(writeSavedGame(state))) == WriteResult::Written;
}

void forgetInterruptedGame() {
    const QString name = recoveryFileName();
    if (!name.isEmpty()) QFile::remove(name);
}

}  // namespace reikoboy
