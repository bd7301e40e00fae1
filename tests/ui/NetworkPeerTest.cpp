// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// A window against reikoboy-peer, the player without a window, at «Мастер»: the peer hosts a
// game near its end, the window joins and plays its side to the end, and both hold the same
// final board.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <random>

#include "DialogAnswers.h"
#include "NetworkPair.h"
#include "UiTestSupport.h"
#include "WholeGame.h"
#include "ai/SilentHost.h"

namespace reikoboy::testing {

namespace {

// The board after the first `count` moves of the whole game, as «Сохранить...» writes it.
QByteArray boardAfter(int count) {
    ai::SilentHost quiet;
    Game game(quiet);
    game.formLoad({}, {});
    History history;
    QStringList moves = QString::fromUtf8(kWholeGame).split(QStringLiteral("; "));
    for (const QString& move : moves.mid(0, count)) {
        QStringList parts = move.split(QLatin1Char(' '));
        Button button = static_cast<Button>(parts[0].back().digitValue() - 1);
        history.click(game, {button, parts.size() > 1 ? parts[1].toInt() : 0});
        game.finishAnimation();
    }
    return QByteArray::fromStdString(writeSavedGame(game.state()));
}

}  // namespace

TEST(NetworkPeer, AWindowPlaysTheRestOfAGameAgainstTheMasterPeer) {
    QString peer = QFileInfo(QStringLiteral(REIKOBOY_GAME)).dir().filePath(QStringLiteral("reikoboy-peer"));
    if (!QFileInfo::exists(peer)) GTEST_SKIP() << "reikoboy-peer is not built";
    storeSettings({}, {});
    QTemporaryDir folder;
    QString from = folder.filePath(QStringLiteral("near-the-end.sav"));
    {
        QFile file(from);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(boardAfter(42));
    }
    QProcess host;
    host.start(peer, {"host", "--port", "0", "--code", "551177", "--colour", "blue", "--level", "master", "--name",
                      "Пётр", "--from", from, "--wait", "60"});
    ASSERT_TRUE(host.waitForStarted());
    QRegularExpression portLine(QStringLiteral("port (\\d+)"));
    QString said;
    ASSERT_TRUE(waitFor([&] {
        said += QString::fromUtf8(host.readAllStandardError());
        return portLine.match(said).hasMatch();
    })) << said.toStdString();
    quint16 port = static_cast<quint16>(portLine.match(said).captured(1).toUInt());

    Form1 w;
    w.setOpponentShowMilliseconds(5);
    w.show();
    DialogAnswers answers;
    answers.then(press(QMessageBox::No));
    w.joinNetworkGame(QStringLiteral("127.0.0.1"), port, QStringLiteral("551177"), QStringLiteral("Вера"));
    ASSERT_TRUE(waitFor([&] { return w.networkGame() && w.networkGame()->match() && w.networkGame()->match()->agreed(); }));
    EXPECT_EQ(w.networkGame()->localColour(), kRed);
    std::mt19937 choose(7);
    for (int clicks = 0; clicks < 200 && !answers.allUsed(); ++clicks) {
        if (!waitFor([&] { return w.networkGame()->localMayMove() || answers.allUsed(); }, 20000)) break;
        if (answers.allUsed()) break;
        QList<QAbstractButton*> offered;
        for (auto* b : w.findChildren<QAbstractButton*>(QRegularExpression("^Command[1-5]")))
            if (b->isVisible() && b->isEnabled()) offered << b;
        ASSERT_FALSE(offered.isEmpty());
        offered[std::uniform_int_distribution<int>(0, int(offered.size()) - 1)(choose)]->click();
    }
    ASSERT_TRUE(waitFor([&] { return answers.allUsed(); }, 20000)) << "the game did not end";
    ASSERT_TRUE(host.state() == QProcess::NotRunning || host.waitForFinished(20000));
    EXPECT_EQ(host.exitCode(), 0) << host.readAllStandardError().toStdString();
    settle(w);
    EXPECT_EQ(host.readAllStandardOutput(), savedBytes(w));
}

}  // namespace reikoboy::testing
