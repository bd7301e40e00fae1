// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// A signal ends the game as a logout that may not ask: the settings are kept, a game in
// progress waits in a file of its run, and the next start offers to continue it.
#include <unistd.h>

#include <QDateTime>
#include <algorithm>

#include "GameRun.h"
#include "UiTestSupport.h"

namespace reikoboy::testing {
namespace {

TEST(InterruptedGameTest, EachSignalWritesTheSettingsAndEndsWithZero) {
    for (int signal : {SIGTERM, SIGHUP, SIGINT}) {
        GameRun run;
        EXPECT_EQ(run.endWith(REIKOBOY_GAME, signal), 0) << signal;
        EXPECT_TRUE(contents(run.settings()).contains("Settings")) << signal;
        EXPECT_TRUE(run.waiting().isEmpty()) << "nothing was played";
    }
}

TEST(InterruptedGameTest, AContinuedGameIsKeptAgainAtTheNextSignal) {
    GameRun run;
    EXPECT_EQ(run.endWith(REIKOBOY_SESSION_CHILD, SIGTERM), 0);
    ASSERT_EQ(run.waiting().size(), 1);
    const QByteArray kept = contents(run.folder() + "/" + run.waiting()[0]);
    auto game = openedGame(kept);
    ASSERT_TRUE(game);
    EXPECT_EQ(game->blueDropped, 1);

    // The next start asks; a signal before the answer leaves the game waiting.
    EXPECT_EQ(run.endWith(REIKOBOY_GAME, SIGTERM), 0);
    EXPECT_EQ(run.waiting().size(), 1);
    // Continued, with no move made yet, it is still a game in progress.
    for (int signal : {SIGTERM, SIGHUP, SIGINT}) {
        const QString before = run.waiting().value(0);
        EXPECT_EQ(run.endWith(REIKOBOY_SESSION_CHILD, signal, {"answer", "yes"}), 0) << signal;
        ASSERT_EQ(run.waiting().size(), 1) << signal;
        EXPECT_NE(run.waiting()[0], before) << "the offered file went, the new run's came";
        EXPECT_EQ(contents(run.folder() + "/" + run.waiting()[0]), kept) << signal;
    }
}

TEST(InterruptedGameTest, SecondSignalsWhileTheGameIsKeptLoseNothing) {
    // A closed terminal sends SIGHUP twice; an impatient desktop sends SIGTERM twice.
    GameRun once;
    EXPECT_EQ(once.endWith(REIKOBOY_SESSION_CHILD, SIGTERM), 0);
    const QByteArray wholeSettings = contents(once.settings());
    ASSERT_TRUE(wholeSettings.contains("[Settings]"));
    for (int gap : {0, 1, 5, 20}) {
        for (int signal : {SIGHUP, SIGTERM}) {
            GameRun run;
            auto game = run.start(REIKOBOY_SESSION_CHILD);
            EXPECT_EQ(GameRun::end(*game, {signal, signal, signal}, gap), 0) << gap << " ms, signal " << signal;
            EXPECT_EQ(contents(run.settings()), wholeSettings) << gap << " ms, signal " << signal;
            ASSERT_EQ(run.waiting().size(), 1) << gap;
            EXPECT_TRUE(openedGame(contents(run.folder() + "/" + run.waiting()[0]))) << gap;
            EXPECT_EQ(run.everything().filter(".reikoboy-").size(), 0);
            EXPECT_FALSE(QFile::exists(run.settings() + ".lock"));
        }
    }
}

TEST(InterruptedGameTest, TwoGamesEndedTogetherAreBothKeptAndOfferedInTurn) {
    GameRun run;
    auto first = run.start(REIKOBOY_SESSION_CHILD, {"drop", "1"});
    auto second = run.start(REIKOBOY_SESSION_CHILD, {"drop", "5"});
    ::kill(pid_t(first->processId()), SIGTERM);
    ::kill(pid_t(second->processId()), SIGTERM);
    EXPECT_EQ(GameRun::end(*first, {}), 0);
    EXPECT_EQ(GameRun::end(*second, {}), 0);
    ASSERT_EQ(run.waiting().size(), 2);
    // Column of the dropped chip, from each kept game: both games are there.
    auto column = [&](const QString& name) {
        auto game = openedGame(contents(run.folder() + "/" + name));
        return game ? int(game->Image5[0].Left) : -1;
    };
    QList<int> columns{column(run.waiting()[0]), column(run.waiting()[1])};
    std::sort(columns.begin(), columns.end());
    EXPECT_LT(columns[0], columns[1]);

    // The newest is offered first; an answer takes only the file it was about, and the other
    // game is offered at the start after.
    const QStringList both = run.waiting();
    EXPECT_EQ(run.endWith(REIKOBOY_SESSION_CHILD, SIGTERM, {"answer", "no"}), 0);
    const QStringList left = run.waiting();
    ASSERT_EQ(left.size(), 1);
    EXPECT_TRUE(both.contains(left[0]));
    EXPECT_EQ(run.endWith(REIKOBOY_SESSION_CHILD, SIGTERM, {"answer", "no"}), 0);
    EXPECT_TRUE(run.waiting().isEmpty());
}

TEST(InterruptedGameTest, LeftoversOfARunThatDiedWhileWritingAreSweptAtTheNextStart) {
    GameRun run;
    ASSERT_TRUE(QDir().mkpath(run.folder()));
    const QString leftover = run.folder() + "/.reikoboy-abc123";
    const QString orphanNote = run.folder() + "/interrupted-1-2.sav.pass";
    const QString fresh = run.folder() + "/.reikoboy-being-written";
    for (const QString& name : {leftover, orphanNote, fresh}) {
        QFile f(name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write("half a game") > 0);
        f.close();
    }
    // Two hours old: long dead. The third is a write that may be going on now.
    const QDateTime old = QDateTime::currentDateTime().addSecs(-7200);
    for (const QString& name : {leftover, orphanNote}) {
        QFile f(name);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite) && f.setFileTime(old, QFileDevice::FileModificationTime));
    }
    EXPECT_EQ(run.endWith(REIKOBOY_GAME, SIGTERM), 0);
    EXPECT_EQ(run.everything(), QStringList{".reikoboy-being-written"});
}

}  // namespace
}  // namespace reikoboy::testing
