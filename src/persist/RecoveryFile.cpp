// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "RecoveryFile.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>

#include "SavedGame.h"
#include "WholeFile.h"

namespace reikoboy {

namespace {

// A note beside a game: present when the pass button was on offer.
const QString kPassNoteSuffix = QStringLiteral(".pass");
// Files of runs that died while writing are older than this; a write takes milliseconds.
constexpr qint64 kWriteTakesAtMostSeconds = 60;

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

// The file itself, not what a link names.
bool isRegularFile(const QString& name, struct stat* seen = nullptr) {
    struct stat info {};
    if (::lstat(QFile::encodeName(name).constData(), &info) != 0 || !S_ISREG(info.st_mode)) return false;
    if (seen) *seen = info;
    return true;
}

bool isGameName(const QString& fileName) {
    return fileName == QStringLiteral("interrupted.sav") ||
           (fileName.startsWith(QStringLiteral("interrupted-")) && fileName.endsWith(QStringLiteral(".sav")));
}

QString passNote(const QString& game) { return game + kPassNoteSuffix; }

}  // namespace

QString recoveryFolder() { return dataFolder(); }

QString recoveryFileName() {
    const QString folder = dataFolder();
    if (folder.isEmpty()) return {};
    // Made once a run: the time orders the games, the process tells two runs of one moment apart.
    static const QString own = QStringLiteral("/interrupted-%1-%2.sav")
                                   .arg(QDateTime::currentMSecsSinceEpoch())
                                   .arg(qint64(::getpid()));
    return folder + own;
}

bool keepInterruptedGame(const GameState& state) {
    const QString name = recoveryFileName();
    if (name.isEmpty() || !QDir().mkpath(QFileInfo(name).absolutePath())) return false;
    // The note first: a game found without it is read as it always was, with the pass hidden.
    const QString note = passNote(name);
    if (state.dropInTurn != 0) {
        if (writeOwnFile(note, QByteArray()) != WriteResult::Written) return false;
    } else if (QFileInfo::exists(note) || QFileInfo(note).isSymLink()) {
        if (!QFile::remove(note)) return false;
    }
    return writeOwnFile(name, QByteArray::fromStdString(writeSavedGame(state))) == WriteResult::Written;
}

void forgetInterruptedGame() {
    const QString name = recoveryFileName();
    if (!name.isEmpty()) forgetWaitingGame(name);
}

QStringList waitingInterruptedGames() {
    const QString folder = dataFolder();
    if (folder.isEmpty()) return {};
    struct Waiting {
        QString name;
        qint64 changed;
    };
    std::vector<Waiting> found;
    for (const QString& fileName : QDir(folder).entryList(QDir::Files | QDir::System | QDir::Hidden)) {
        const QString name = folder + QLatin1Char('/') + fileName;
        struct stat info {};
        if (isGameName(fileName) && isRegularFile(name, &info))
            found.push_back({name, qint64(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec});
    }
    std::sort(found.begin(), found.end(), [](const Waiting& a, const Waiting& b) {
        return a.changed != b.changed ? a.changed > b.changed : a.name > b.name;
    });
    QStringList names;
    for (const Waiting& w : found) names << w.name;
    return names;
}

bool droppedInTurnWhenKept(const QString& file) { return isRegularFile(passNote(file)); }

bool forgetWaitingGame(const QString& file) {
    QFile::remove(file);
    const bool gone = !QFileInfo::exists(file) && !QFileInfo(file).isSymLink();
    if (gone) QFile::remove(passNote(file));
    return gone;
}

void sweepRecoveryLeftovers() {
    const QString folder = dataFolder();
    if (folder.isEmpty()) return;
    const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-kWriteTakesAtMostSeconds);
    for (const QFileInfo& entry : QDir(folder).entryInfoList(QDir::Files | QDir::System | QDir::Hidden)) {
        const QString name = entry.absoluteFilePath();
        if (!isRegularFile(name) || entry.lastModified().toUTC() > before) continue;
        const QString fileName = entry.fileName();
        const bool orphanNote = fileName.endsWith(kPassNoteSuffix) &&
                                isGameName(fileName.chopped(kPassNoteSuffix.size())) &&
                                !isRegularFile(name.chopped(kPassNoteSuffix.size()));
        if (isLeftoverTemporary(fileName) || orphanNote) QFile::remove(name);
    }
}

}  // namespace reikoboy
