// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The window's commands in a network game: the host's «Открыть...» opens the game for both,
// «Сохранить...» works on either side, «Соперник» ends the network game, and closing the
// window tells the other side.
#include <gtest/gtest.h>

#include <QAction>
#include <QMessageBox>
#include <QTemporaryDir>

#include "DialogAnswers.h"
#include "GameRun.h"
#include "NetworkPair.h"
#include "UiTestSupport.h"
#include "WholeGame.h"

namespace reikoboy::testing {

TEST(NetworkCommands, TheHostsFileIsOpenedForBothAndEitherSideSaves) {
    storeSettings({}, {});
    QTemporaryDir folder;
    NetworkPair pair;
    ASSERT_TRUE(pair.connect(QStringLiteral("127.0.0.1")));
    QStringList moves = QString::fromUtf8(kWholeGame).split(QStringLiteral("; "));
    for (const QString& move : moves.mid(0, 4)) pair.play(move);
    ASSERT_TRUE(waitFor([&] { return pair.mover() && savedBytes(pair.host) == savedBytes(pair.joiner); }));
    // The joiner saves the game in the middle; later the host opens it again for both.
    QString file = folder.filePath(QStringLiteral("middle.sav"));
    {
        DialogAnswers answers;
        answers.then(chooseFile(file));
        pair.joiner.findChild<QAction*>("Sa")->trigger();
        EXPECT_TRUE(answers.allUsed());
    }
    QByteArray middle = contents(file);
    EXPECT_EQ(middle, savedBytes(pair.host));
    for (const QString& move : moves.mid(4, 3)) pair.play(move);
    ASSERT_TRUE(waitFor([&] { return pair.mover() && savedBytes(pair.host) == savedBytes(pair.joiner); }));
    ASSERT_NE(savedBytes(pair.host), middle);
    {
        DialogAnswers answers;
        answers.then(chooseFile(file));
        pair.host.findChild<QAction*>("Op")->trigger();
        EXPECT_TRUE(answers.allUsed());
    }
    ASSERT_TRUE(waitFor([&] { return pair.joiner.hint().startsWith("Соперник открыл сохранённую игру."); }))
        << pair.joiner.hint().toStdString();
    ASSERT_TRUE(pair.agreed());
    EXPECT_EQ(savedBytes(pair.joiner), middle);
    EXPECT_EQ(savedBytes(pair.host), middle);
}

TEST(NetworkCommands, ChoosingAnOpponentEndsTheNetworkGameAndClosingSaysGoodbye) {
    storeSettings({}, {});
    NetworkPair pair;
    ASSERT_TRUE(pair.connect(QStringLiteral("::1")));
    pair.play(QStringLiteral("Command1 3"));
    pair.play(QStringLiteral("Command3 1"));
    ASSERT_TRUE(waitFor([&] { return pair.mover() == &pair.joiner; }));
    // The joiner goes on against the computer from the same board.
    QByteArray board = savedBytes(pair.joiner);
    pair.joiner.findChild<QAction*>("OpponentComputerBlue")->trigger();
    EXPECT_EQ(pair.joiner.networkGame(), nullptr);
    EXPECT_EQ(pair.joiner.seatOf(kBlue), Seat::Computer);
    EXPECT_EQ(pair.joiner.seatOf(kRed), Seat::Here);
    EXPECT_EQ(savedBytes(pair.joiner), board);
    EXPECT_TRUE(pair.joiner.findChild<QAction*>("Op")->isEnabled());
    ASSERT_TRUE(waitFor([&] { return pair.host.hint() == "Соперник вышел из игры."; })) << pair.host.hint().toStdString();
    // Joined again, then the host closes its window after the usual question: the joiner is told.
    pair.joiner.joinNetworkGame(QStringLiteral("::1"), pair.host.networkGame()->port(), pair.code, QStringLiteral("Борис"));
    ASSERT_TRUE(pair.agreed());
    {
        DialogAnswers answers;
        answers.then(press(QMessageBox::No));
        pair.host.close();
        EXPECT_TRUE(answers.allUsed());
        EXPECT_EQ(answers.seen.value(0), "Рейкобой: Хотите сохранить начатую игру?");
    }
    ASSERT_TRUE(waitFor([&] { return pair.joiner.hint() == "Соперник вышел из игры."; })) << pair.joiner.hint().toStdString();
    EXPECT_EQ(savedBytes(pair.joiner), board);
}

}  // namespace reikoboy::testing
