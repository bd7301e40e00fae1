// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Programs of the game in a home of their own, ended by signals as a session ends them.
#pragma once

#include <gtest/gtest.h>
#include <signal.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <sstream>

#include "ai/SilentHost.h"
#include "persist/SavedGame.h"

namespace reikoboy::testing {

inline QByteArray contents(const QString& name) {
    QFile f(name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The saved game in `bytes`, opened as the game opens one; nullptr when it is no game.
inline std::unique_ptr<GameState> openedGame(const QByteArray& bytes) {
    ai::SilentHost host;
    Game game(host);
    std::istringstream in(bytes.toStdString());
    if (openSavedGame(game, in) != ReadResult::Ok) return nullptr;
    return std::make_unique<GameState>(game.state());
}

struct GameRun {
    QTemporaryDir home;
    QString folder() const { return home.path() + "/data/Рейкобой"; }
    QString settings() const { return home.path() + "/config/Рейкобой/Рейкобой.ini"; }
    // The interrupted games waiting in the folder, by name.
    QStringList waiting() const {
        return QDir(folder()).entryList({"interrupted*.sav"}, QDir::Files, QDir::Name);
    }
    QStringList everything() const {
        return QDir(folder()).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    }

    // Starts `program` and waits until it has taken the signals over.
    std::unique_ptr<QProcess> start(const char* program, const QStringList& arguments = {}) {
        auto game = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", home.path());
        env.insert("XDG_CONFIG_HOME", home.path() + "/config");
        env.insert("XDG_DATA_HOME", home.path() + "/data");
        env.insert("QT_QPA_PLATFORM", "offscreen");
        game->setProcessEnvironment(env);
        game->setWorkingDirectory(home.path());
        game->start(program, arguments);
        EXPECT_TRUE(game->waitForStarted());
        // Sent only once the game catches it: before that, it would die as it always did.
        for (int i = 0; i < 2000 && !catches(game->processId(), SIGTERM); ++i) QTest::qWait(10);
        if (program != std::string(REIKOBOY_GAME)) {
            // The child says when its moves are made.
            for (int i = 0; i < 100 && !game->canReadLine(); ++i) game->waitForReadyRead(100);
            EXPECT_EQ(game->readLine(), "ready\n");
        }
        return game;
    }
    // Ends it with the signals `sent`, `gapMs` apart; returns its exit code (-1 when a signal killed it).
    static int end(QProcess& game, std::initializer_list<int> sent, int gapMs = 0) {
        for (int signal : sent) {
            ::kill(pid_t(game.processId()), signal);
            if (gapMs > 0) QTest::qSleep(gapMs);
        }
        EXPECT_TRUE(game.waitForFinished(30000));
        return game.exitStatus() == QProcess::NormalExit ? game.exitCode() : -1;
    }
    int endWith(const char* program, int signal, const QStringList& arguments = {}) {
        auto game = start(program, arguments);
        return end(*game, {signal});
    }
    static bool catches(qint64 pid, int signal) {
        QByteArray status = contents(QStringLiteral("/proc/%1/status").arg(pid));
        int at = status.indexOf("SigCgt:");
        return at >= 0 && (status.mid(at + 7, 17).trimmed().toULongLong(nullptr, 16) >> (signal - 1) & 1);
    }
};

}  // namespace reikoboy::testing
