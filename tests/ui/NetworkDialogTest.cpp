// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The «Сеть» menu and its dialogs as a player meets them, and the addresses they accept.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTcpServer>

#include "DialogAnswers.h"
#include "NetworkPair.h"
#include "UiTestSupport.h"
#include "net/NetworkModule.h"
#include "ui/windows/NetworkAddress.h"
#include "ui/windows/NetworkDialogs.h"

namespace reikoboy::testing {

namespace {

quint16 freePort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

}  // namespace

TEST(NetworkDialogs, TheMenuSitsBetweenMovesAndOptions) {
    Form1 w;
    auto* menu = w.findChild<QMenu*>("Network");
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->title(), "&Сеть");
    QStringList items;
    for (QAction* a : menu->actions()) items << (a->isSeparator() ? QStringLiteral("-") : a->objectName() + "=" + a->text());
    EXPECT_EQ(items, QStringList({"NetCreate=Создать игру...", "NetJoin=Подключиться...", "-",
                                  "NetChat=Сообщение сопернику...", "NetLeave=Отключиться"}));
    EXPECT_EQ(w.findChild<QAction*>("NetChat")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_M));
    // Nothing of the network exists until the player asks for it.
    EXPECT_EQ(w.networkGame(), nullptr);
    EXPECT_FALSE(w.findChild<QAction*>("NetChat")->isEnabled());
}

TEST(NetworkDialogs, CreatingShowsTheCodeAndJoiningByTypedAddressConnects) {
    storeSettings({}, {});
    Form1 host, joiner;
    quint16 port = freePort();
    DialogAnswers answers;
    answers.then([port](QWidget* w) {
        ASSERT_EQ(w->objectName(), "NetCreateDialog");
        EXPECT_EQ(w->findChild<QSpinBox*>("NetPort")->value(), 47323);
        w->findChild<QLineEdit*>("NetName")->setText(QStringLiteral("Анна"));
        w->findChild<QComboBox*>("NetColour")->setCurrentIndex(1);  // red
        w->findChild<QSpinBox*>("NetPort")->setValue(port);
        qobject_cast<QDialog*>(w)->accept();
    });
    host.findChild<QAction*>("NetCreate")->trigger();
    ASSERT_NE(host.networkGame(), nullptr);
    EXPECT_EQ(host.networkGame()->port(), port);
    QRegularExpression waiting(QStringLiteral("^Ждём соперника… код (\\d{6})$"));
    QRegularExpressionMatch found = waiting.match(host.hint());
    ASSERT_TRUE(found.hasMatch()) << host.hint().toStdString();
    QString code = found.captured(1);
    auto* box = host.findChild<QMessageBox*>("NetCodeBox");
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->isVisible() && !box->isModal());
    EXPECT_TRUE(box->text().contains(code));
    REIKOBOY_STORE(store);
    EXPECT_EQ(store.value("Settings/Имя").toString(), "Анна");

    answers.then([port, code](QWidget* w) {
        ASSERT_EQ(w->objectName(), "NetJoinDialog");
        // No avahi-daemon here: the list says so once the search has found that out.
        auto* games = w->findChild<QListWidget*>("NetGames");
        EXPECT_TRUE(waitFor([games] { return games->count() == 1 && games->item(0)->text() == "Поиск игр в сети недоступен"; }))
            << games->item(0)->text().toStdString();
        w->findChild<QLineEdit*>("NetAddress")->setText(QStringLiteral("[::1]:%1").arg(port));
        w->findChild<QLineEdit*>("NetCode")->setText(code);
        w->findChild<QLineEdit*>("NetName")->setText(QStringLiteral("Борис"));
        qobject_cast<QDialog*>(w)->accept();
    });
    joiner.findChild<QAction*>("NetJoin")->trigger();
    ASSERT_TRUE(waitFor([&] { return joiner.hint() == "Ходит Борис"; })) << joiner.hint().toStdString();
    EXPECT_EQ(joiner.networkGame()->localColour(), kBlue);
    EXPECT_TRUE(waitFor([&] { return host.hint() == "Ходит Борис (по сети)"; })) << host.hint().toStdString();

    // The host leaves: the joiner is told, and its dialog offers the last address and code again.
    host.findChild<QAction*>("NetLeave")->trigger();
    ASSERT_TRUE(waitFor([&] { return joiner.hint() == "Соперник вышел из игры."; })) << joiner.hint().toStdString();
    answers.then([port, code](QWidget* w) {
        EXPECT_EQ(w->findChild<QLineEdit*>("NetAddress")->text(), QStringLiteral("[::1]:%1").arg(port));
        EXPECT_EQ(w->findChild<QLineEdit*>("NetCode")->text(), code);
        EXPECT_EQ(w->findChild<QLineEdit*>("NetName")->text(), "Борис");
        qobject_cast<QDialog*>(w)->reject();
    });
    joiner.findChild<QAction*>("NetJoin")->trigger();
    EXPECT_TRUE(waitFor([&] { return answers.allUsed(); }));
    delete box;
}

TEST(NetworkDialogs, AWrongCodeOrNobodyListeningIsSaid) {
    storeSettings({}, {});
    NetworkPair pair;
    ASSERT_TRUE(pair.host.hostNetworkGame(QStringLiteral("Анна"), kBlue, 0, pair.code));
    pair.joiner.joinNetworkGame(QStringLiteral("127.0.0.1"), pair.host.networkGame()->port(), QStringLiteral("000000"),
                                QStringLiteral("Борис"));
    EXPECT_TRUE(waitFor([&] { return pair.joiner.hint() == "Неверный код игры."; })) << pair.joiner.hint().toStdString();
    EXPECT_EQ(savedBytes(pair.joiner), savedBytes(pair.host));  // nothing of the host's came
    quint16 nobody = freePort();
    pair.joiner.joinNetworkGame(QStringLiteral("127.0.0.1"), nobody, pair.code, QStringLiteral("Борис"));
    QString expected = QStringLiteral("Не удалось подключиться к 127.0.0.1:%1.").arg(nobody);
    EXPECT_TRUE(waitFor([&] { return pair.joiner.hint() == expected; })) << pair.joiner.hint().toStdString();
    EXPECT_FALSE(control<QAbstractButton>(pair.joiner, "Command1_3")->isVisible());
}

TEST(NetworkDialogs, TypedAddressesWithAndWithoutPorts) {
    auto parsed = [](const char* text) {
        std::optional<GameAddress> a = parseGameAddress(QString::fromUtf8(text));
        return a ? a->host + "|" + QString::number(a->port) : QStringLiteral("refused");
    };
    EXPECT_EQ(parsed("127.0.0.1"), "127.0.0.1|47323");
    EXPECT_EQ(parsed(" 127.0.0.1:5000 "), "127.0.0.1|5000");
    EXPECT_EQ(parsed("localhost:47324"), "localhost|47324");
    EXPECT_EQ(parsed("::1"), "::1|47323");
    EXPECT_EQ(parsed("[::1]:47323"), "::1|47323");
    EXPECT_EQ(parsed("[fe80::1%eth0]"), "fe80::1%eth0|47323");
    for (const char* bad : {"", "host:", "host:0", "host:70000", "[::1", "[::1]x", "[127.0.0.1]:5", "a b", "host:port"})
        EXPECT_EQ(parsed(bad), "refused") << bad;
    EXPECT_EQ(gameAddressText({"::1", 47323}), "[::1]:47323");
    EXPECT_EQ(gameAddressText({"example.org", 47323}), "example.org");
    EXPECT_EQ(gameAddressText({"10.0.0.2", 5000}), "10.0.0.2:5000");
}

namespace {

struct FakeFinder : net::GameFinder {
    bool stillConnecting = true, up = false;
    QList<net::FoundGame> found;
    bool connecting() const override { return stillConnecting; }
    bool available() const override { return up; }
    QString unavailableReason() const override { return up ? QString() : QStringLiteral("avahi-daemon не запущен"); }
    QList<net::FoundGame> games() const override { return found; }
};

QStringList lines(QListWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i) texts << list->item(i)->text();
    return texts;
}

}  // namespace

// What the list of games on the local network shows as the search goes on, and that choosing
// a game fills in its address; names from the network are shown as they are, never as markup.
TEST(NetworkDialogs, GamesFoundOnTheLocalNetworkAreListedAndChosen) {
    JoinGameDialog dialog(QStringLiteral("Борис"), {}, {}, nullptr);
    auto* games = dialog.findChild<QListWidget*>("NetGames");
    auto* address = dialog.findChild<QLineEdit*>("NetAddress");
    EXPECT_EQ(lines(games), QStringList{"Поиск игр в сети недоступен"});
    FakeFinder finder;
    dialog.showGames(&finder);
    EXPECT_EQ(lines(games), QStringList{"Ищем игры в сети…"});
    finder.stillConnecting = false;
    finder.up = true;
    dialog.showGames(&finder);
    EXPECT_EQ(lines(games), QStringList{"Игр в сети пока нет"});
    finder.found = {{"k1", "<b>Анна</b>", "anna-pc", "192.168.1.5", 47323, false},
                    {"k2", "Вера", "vera-pc", "fe80::1%eth0", 47400, false}};
    dialog.showGames(&finder);
    EXPECT_EQ(lines(games), QStringList({"<b>Анна</b> — anna-pc (192.168.1.5)", "Вера — vera-pc ([fe80::1%eth0]:47400)"}));
    games->setCurrentRow(1);
    EXPECT_EQ(address->text(), "[fe80::1%eth0]:47400");
    ASSERT_TRUE(parseGameAddress(address->text()).has_value());
    // A game found later keeps the choice where it was.
    finder.found.prepend({"k0", "Алла", "alla-pc", "10.0.0.2", 47323, false});
    dialog.showGames(&finder);
    ASSERT_NE(games->currentItem(), nullptr);
    EXPECT_EQ(games->currentItem()->text(), "Вера — vera-pc ([fe80::1%eth0]:47400)");
    // The daemon goes away: the list says so, with the reason beside it.
    finder.up = false;
    dialog.showGames(&finder);
    EXPECT_EQ(lines(games), QStringList{"Поиск игр в сети недоступен"});
    EXPECT_EQ(games->item(0)->toolTip(), "avahi-daemon не запущен");
    EXPECT_EQ(address->text(), "[fe80::1%eth0]:47400");
}

}  // namespace reikoboy::testing
