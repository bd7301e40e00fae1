// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Two windows playing over loopback: a whole game to the question on both screens, a new
// game with the colours swapped, and a connection cut in the middle of a slide.
#include <gtest/gtest.h>

#include <QAction>
#include <QMessageBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTcpSocket>

#include "DialogAnswers.h"
#include "NetworkPair.h"
#include "UiTestSupport.h"
#include "WholeGame.h"
#include "persist/Statistics.h"
#include "ui/windows/ChatWindow.h"

namespace reikoboy::testing {

namespace {

QStringList wholeGame() { return QString::fromUtf8(kWholeGame).split(QStringLiteral("; ")); }

QAction* action(const Form1& w, const char* name) { return w.findChild<QAction*>(QLatin1String(name)); }

// Plays the whole game and checks the question on both screens, answered `answer`.
void playToTheEnd(NetworkPair& pair, QMessageBox::StandardButton answer) {
    DialogAnswers answers;
    answers.then(press(answer));
    answers.then(press(answer));
    for (const QString& move : wholeGame()) {
        pair.play(move);
        if (::testing::Test::HasFatalFailure()) return;
    }
    ASSERT_TRUE(waitFor([&] { return answers.allUsed(); }, 15000)) << "the question did not come on both screens";
    ASSERT_EQ(answers.seen.size(), 2);
    for (const QString& seen : answers.seen) EXPECT_TRUE(seen.contains("Выиграли синие фишки!")) << seen.toStdString();
}

}  // namespace

TEST(NetworkPlay, AWholeGameOverIPv4AndIPv6EndsTheSameOnBothScreens) {
    for (const char* address : {"127.0.0.1", "::1"}) {
        SCOPED_TRACE(address);
        storeSettings({}, {});
        resetStatistics();
        NetworkPair pair;
        ASSERT_TRUE(pair.connect(QString::fromLatin1(address)));
        EXPECT_EQ(pair.host.seatOf(kBlue), Seat::Here);
        EXPECT_EQ(pair.host.seatOf(kRed), Seat::Remote);
        EXPECT_EQ(pair.joiner.seatOf(kRed), Seat::Here);
        // Names in the status bar; the joiner waits with its buttons hidden and no hint.
        ASSERT_TRUE(waitFor([&] { return pair.joiner.hint() == "Ходит Анна (по сети)"; })) << pair.joiner.hint().toStdString();
        EXPECT_EQ(pair.host.hint(), "Ходит Анна");
        EXPECT_FALSE(control(pair.joiner, "Command1_3")->isVisible());
        EXPECT_TRUE(control(pair.host, "Command1_3")->isVisible());
        EXPECT_FALSE(action(pair.joiner, "Hint")->isEnabled());
        EXPECT_TRUE(action(pair.host, "Hint")->isEnabled());
        // The joiner's «Открыть...» is the host's to use; undo says why it is off.
        EXPECT_FALSE(action(pair.joiner, "Op")->isEnabled());
        EXPECT_TRUE(action(pair.host, "Op")->isEnabled());
        playToTheEnd(pair, QMessageBox::No);
        if (HasFatalFailure()) return;
        settle(pair.host);
        settle(pair.joiner);
        EXPECT_EQ(pair.host.game().state().blueScore, 140);
        EXPECT_EQ(pair.joiner.game().state().redScore, 100);
        EXPECT_EQ(savedBytes(pair.host), savedBytes(pair.joiner));
        // Each screen counts its own result among the network games: a win by 40 and a loss.
        Tally network = readStatistics()[static_cast<int>(ResultRow::Network)];
        EXPECT_EQ(network, (Tally{1, 1, 0, 40}));
        for (Form1* w : {&pair.host, &pair.joiner}) {
            EXPECT_FALSE(action(*w, "Undo")->isEnabled());
            EXPECT_EQ(action(*w, "Undo")->statusTip(), "В сетевой игре ход не отменить.");
            EXPECT_FALSE(action(*w, "Redo")->isEnabled());
        }
    }
}

TEST(NetworkPlay, ANewGameNeedsBothAndSwapsTheColours) {
    storeSettings({}, {});
    NetworkPair pair;
    ASSERT_TRUE(pair.connect(QStringLiteral("127.0.0.1")));
    // Three moves in, the joiner asks for a new game; nothing happens until the host agrees.
    for (const QString& move : wholeGame().mid(0, 3)) pair.play(move);
    ASSERT_TRUE(waitFor([&] { return pair.mover() == &pair.host && savedBytes(pair.host) == savedBytes(pair.joiner); }));
    QByteArray before = savedBytes(pair.host);
    action(pair.joiner, "Nova")->trigger();
    EXPECT_EQ(pair.joiner.hint(), "Ждём ответа соперника…");
    ASSERT_TRUE(waitFor([&] { return pair.host.hint().contains("новую игру"); })) << pair.host.hint().toStdString();
    EXPECT_EQ(savedBytes(pair.host), before);
    EXPECT_EQ(pair.host.networkGame()->localColour(), kBlue);
    action(pair.host, "Nova")->trigger();
    ASSERT_TRUE(waitFor([&] { return pair.joiner.networkGame()->localColour() == kBlue && pair.agreed(); }));
    EXPECT_EQ(pair.host.networkGame()->localColour(), kRed);
    EXPECT_EQ(pair.host.game().state().chipsOut, 0);
    EXPECT_EQ(savedBytes(pair.host), savedBytes(pair.joiner));
    EXPECT_TRUE(waitFor([&] { return pair.joiner.hint() == "Новая игра: цвета поменялись. Ходит Борис"; }))
        << pair.joiner.hint().toStdString();
    // Blue moves first: now the joiner, Борис.
    ASSERT_TRUE(waitFor([&] { return pair.host.hint() == "Новая игра: цвета поменялись. Ходит Борис (по сети)"; }))
        << pair.host.hint().toStdString();
    EXPECT_EQ(pair.mover(), &pair.joiner);
    // The end-of-game question answered «Да» on both screens is the same agreement.
    playToTheEnd(pair, QMessageBox::Yes);
    if (HasFatalFailure()) return;
    ASSERT_TRUE(waitFor([&] { return pair.host.networkGame()->localColour() == kBlue && pair.agreed(); }));
    EXPECT_EQ(pair.host.game().state().chipsOut, 0);
    EXPECT_EQ(pair.mover(), &pair.host);
}

// As the computer's: the opponent's button is shown pressed first, with the board still as it
// was, and only then does the click play, with its animation.
TEST(NetworkPlay, TheOpponentsPressIsShownBeforeTheBoardMoves) {
    storeSettings({}, {});
    NetworkPair pair;
    pair.joiner.setOpponentShowMilliseconds(300);
    ASSERT_TRUE(pair.connect(QStringLiteral("127.0.0.1")));
    QByteArray before = savedBytes(pair.joiner);
    auto* shown = pair.joiner.findChild<QAbstractButton*>("Command1_3");
    pair.play(QStringLiteral("Command1 3"));
    ASSERT_TRUE(waitFor([&] { return shown->isDown(); }));
    EXPECT_TRUE(shown->isVisible());
    EXPECT_FALSE(pair.joiner.game().state().animating());
    EXPECT_EQ(savedBytes(pair.joiner), before);
    ASSERT_TRUE(waitFor([&] { return !shown->isDown(); }));
    settle(pair.joiner);
    settle(pair.host);
    EXPECT_NE(savedBytes(pair.joiner), before);
    EXPECT_EQ(savedBytes(pair.joiner), savedBytes(pair.host));
}

TEST(NetworkPlay, ACutInTheMiddleOfASlideKeepsTheBoardAndARejoinGoesOn) {
    storeSettings({}, {});
    NetworkPair pair;
    pair.host.setOpponentShowMilliseconds(150);
    pair.joiner.setOpponentShowMilliseconds(150);
    ASSERT_TRUE(pair.connect(QStringLiteral("127.0.0.1")));
    pair.play(QStringLiteral("Command1 3"));
    pair.play(QStringLiteral("Command3 1"));  // the host slides; the joiner is still showing it
    ASSERT_TRUE(waitFor([&] { return pair.joiner.game().state().animating() || pair.joiner.findChild<QAbstractButton*>("Command3_1")->isDown(); }));
    for (QTcpSocket* socket : pair.joiner.networkGame()->findChildren<QTcpSocket*>()) socket->abort();
    ASSERT_TRUE(waitFor([&] { return pair.joiner.hint() == "Связь с соперником потеряна."; })) << pair.joiner.hint().toStdString();
    ASSERT_TRUE(waitFor([&] { return pair.host.hint() == "Связь с соперником потеряна."; })) << pair.host.hint().toStdString();
    settle(pair.joiner);
    settle(pair.host);
    // Both boards stayed as they were: the slide played to its end on both.
    EXPECT_EQ(savedBytes(pair.joiner), savedBytes(pair.host));
    EXPECT_EQ(pair.joiner.game().state().turnColour, kRed);
    EXPECT_FALSE(pair.joiner.networkGame()->localMayMove());
    // The joiner comes back with the same code; the host's board goes on.
    pair.joiner.joinNetworkGame(QStringLiteral("127.0.0.1"), pair.host.networkGame()->port(), pair.code,
                                QStringLiteral("Борис"));
    ASSERT_TRUE(pair.agreed());
    EXPECT_EQ(savedBytes(pair.joiner), savedBytes(pair.host));
    pair.host.setOpponentShowMilliseconds(5);
    pair.joiner.setOpponentShowMilliseconds(5);
    EXPECT_EQ(pair.mover(), &pair.joiner);
    pair.play(QStringLiteral("Command3 3"));
    ASSERT_TRUE(waitFor([&] { return pair.mover() == &pair.host; }));
    EXPECT_EQ(savedBytes(pair.joiner), savedBytes(pair.host));
}

TEST(NetworkPlay, ChatIsPlainTextAndLeavingIsToldToTheOther) {
    storeSettings({}, {});
    NetworkPair pair;
    ASSERT_TRUE(pair.connect(QStringLiteral("::1")));
    action(pair.joiner, "NetChat")->trigger();
    ChatWindow* chat = pair.joiner.chatWindow();
    ASSERT_NE(chat, nullptr);
    auto* line = control<QLineEdit>(*chat, "ChatLine");
    line->setText(QStringLiteral("<b>Привет</b>"));
    QTest::keyClick(line, Qt::Key_Return);
    ASSERT_TRUE(waitFor([&] { return pair.host.hint() == "Борис: <b>Привет</b>"; })) << pair.host.hint().toStdString();
    ASSERT_NE(pair.host.chatWindow(), nullptr);
    auto* log = control<QPlainTextEdit>(*pair.host.chatWindow(), "ChatLog");
    EXPECT_TRUE(log->toPlainText().contains("Борис: <b>Привет</b>"));
    EXPECT_TRUE(chat->findChild<QPlainTextEdit*>("ChatLog")->toPlainText().contains("Борис: <b>Привет</b>"));
    // «Отключиться»: the other side is told, and the joiner may come back to the same game.
    action(pair.joiner, "NetLeave")->trigger();
    ASSERT_TRUE(waitFor([&] { return pair.host.hint() == "Соперник вышел из игры."; })) << pair.host.hint().toStdString();
    EXPECT_EQ(pair.joiner.networkGame(), nullptr);
    EXPECT_EQ(pair.joiner.seatOf(kBlue), Seat::Here);
    EXPECT_NE(pair.host.networkGame(), nullptr);  // still listening with the same code
    pair.joiner.joinNetworkGame(QStringLiteral("::1"), pair.host.networkGame()->port(), pair.code, QStringLiteral("Борис"));
    EXPECT_TRUE(pair.agreed());
}

}  // namespace reikoboy::testing
