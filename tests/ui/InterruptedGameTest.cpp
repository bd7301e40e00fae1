// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// A signal ends the game as a logout that may not ask: the settings are kept, a game in
// progress waits in the recovery file, and the next start offers to continue it.
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <csignal>
#include <sstream>

#include "DialogAnswers.h"
#include "UiTestSupport.h"
#include "ai/SilentHost.h"
#include "persist/RecoveryFile.h"
#include "persist/SavedGame.h"

namespace reikoboy::testing {
namespace {

QByteArray contents(const QString& name) {
    QFile f(name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A program of the game in a home of its own, stopped by a signal once it catches it.
struct GameRun {
    QTemporaryDir home;
    QString recovery() const { return home.path() + "/data/Рейкобой/interrupted.sav"; }
    QString settings() const { return home.path() + "/config/Рейкобой/Рейкобой.ini"; }

    int endWith(const char* program, int signal) {
        QProcess game;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", home.path());
        env.insert("XDG_CONFIG_HOME", home.path() + "/config");
        env.insert("XDG_DATA_HOME", home.path() + "/data");
        env.insert("QT_QPA_PLATFORM", "offscreen");
        game.setProcessEnvironment(env);
        game.setWorkingDirectory(home.path());
        game.start(program, {});
        EXPECT_TRUE(game.waitForStarted());
        // Sent only once the game catches it: before that, it would die as it always did.
        for (int i = 0; i < 2000 && !catches(game.processId(), signal); ++i) QTest::qWait(10);
        ::kill(pid_t(game.processId()), signal);
        EXPECT_TRUE(game.waitForFinished(30000));
        EXPECT_EQ(game.exitStatus(), QProcess::NormalExit);
        return game.exitCode();
    }
    static bool catches(qint64 pid, int signal) {
        QByteArray status = contents(QStringLiteral("/proc/%1/status").arg(pid));
        int at = status.indexOf("SigCgt:");
        return at >= 0 && (status.mid(at + 7, 17).trimmed().toULongLong(nullptr, 16) >> (signal - 1) & 1);
    }
};

TEST(InterruptedGameTest, EachSignalWritesTheSettingsAndEndsWithZero) {
    for (int signal : {SIGTERM, SIGHUP, SIGINT}) {
        GameRun run;
        EXPECT_EQ(run.endWith(REIKOBOY_GAME, signal), 0) << signal;
        EXPECT_TRUE(contents(run.settings()).contains("Settings")) << signal;
        EXPECT_FALSE(QFile::exists(run.recovery())) << "nothing was played";
    }
}

TEST(InterruptedGameTest, AGameInProgressAtASignalWaitsForTheNextStart) {
    GameRun run;
    EXPECT_EQ(run.endWith(REIKOBOY_SESSION_CHILD, SIGTERM), 0);
    EXPECT_TRUE(contents(run.settings()).contains("Settings"));
    QByteArray kept = contents(run.recovery());
    ai::SilentHost host;
    Game game(host);
    std::istringstream in(kept.toStdString());
    ASSERT_EQ(openSavedGame(game, in), ReadResult::Ok);
    EXPECT_EQ(game.state().blueDropped, 1);

    // The next start asks; a signal before the answer leaves the game waiting.
    EXPECT_EQ(run.endWith(REIKOBOY_GAME, SIGTERM), 0);
    EXPECT_EQ(contents(run.recovery()), kept);
}

// A game two moves old, ended by a logout that may not ask.
QByteArray interrupt() {
    Form1 w;
    w.show();
    click(w, "Command1_3");
    click(w, "Command3_1");
    settle(w);
    EXPECT_TRUE(w.endOfSession(false));
    return QByteArray::fromStdString(writeSavedGame(w.game().state()));
}

TEST(RecoveryOfferTest, EitherAnswerTakesTheFileAndAnUnreadableOneGoesUnasked) {
    storeSettings({}, {});
    interrupt();
    Form1 w;
    w.show();
    DialogAnswers answers;  // fails the test at any question not expected
    answers.then(press(QMessageBox::No));
    w.offerInterruptedGame();
    EXPECT_EQ(answers.seen, QStringList{"Рейкобой: Продолжить прерванную игру?"});
    EXPECT_EQ(w.game().state().blueDropped, 0);
    EXPECT_FALSE(QFile::exists(recoveryFileName()));

    QByteArray kept = interrupt();
    EXPECT_EQ(contents(recoveryFileName()), kept);
    answers.then(press(QMessageBox::Yes));
    w.offerInterruptedGame();
    EXPECT_EQ(QByteArray::fromStdString(writeSavedGame(w.game().state())), kept);
    EXPECT_FALSE(QFile::exists(recoveryFileName()));

    QFile junk(recoveryFileName());
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly) && junk.write("1,2,3\r\nno game\r\n") > 0);
    junk.close();
    w.offerInterruptedGame();
    EXPECT_EQ(answers.seen.size(), 2);
    EXPECT_FALSE(QFile::exists(recoveryFileName()));
}

}  // namespace
}  // namespace reikoboy::testing
