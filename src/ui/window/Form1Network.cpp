// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The «Сеть» menu: creating and joining a game, the chat, leaving; and what the window does
// when the opponent joins, sends a board, talks, asks for a new game or goes away.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMenuBar>
#include <QMessageBox>

#include "net/DrawnCode.h"
#include "net/NetworkModule.h"
#include "net/NetworkPlay.h"
#include "persist/Settings.h"
#include "ui/board/MoveHint.h"
#include "ui/seats/ComputerTurn.h"
#include "ui/seats/NetworkModuleLoader.h"
#include "ui/seats/NetworkSide.h"
#include "ui/seats/RemoteSeat.h"
#include "ui/window/Form1.h"
#include "ui/windows/ChatWindow.h"
#include "ui/windows/NetworkDialogs.h"

namespace reikoboy {

NetworkSide::~NetworkSide() { delete game; }

namespace {

// The addresses others may type to reach this machine; loopback only when there is nothing else.
QStringList machineAddresses(const net::NetworkModule& module) {
    QStringList found;
    for (const QString& address : module.machineAddresses()) found << gameAddressText({address, kDefaultGamePort});
    if (found.isEmpty()) found << QStringLiteral("127.0.0.1") << QStringLiteral("[::1]");
    return found;
}

}  // namespace

void Form1::buildNetworkMenu() {
    net_ = std::make_unique<NetworkSide>();
    net_->open = findChild<QAction*>(QStringLiteral("Op"));
    QMenu* menu = translatedMenu(menuBar(), QT_TR_NOOP("&Сеть"));
    menu->setObjectName(QStringLiteral("Network"));
    net_->create = translatedAction(menu, QT_TR_NOOP("Создать игру..."));
    net_->create->setObjectName(QStringLiteral("NetCreate"));
    connect(net_->create, &QAction::triggered, this, &Form1::netCreate);
    net_->join = translatedAction(menu, QT_TR_NOOP("Подключиться..."));
    net_->join->setObjectName(QStringLiteral("NetJoin"));
    connect(net_->join, &QAction::triggered, this, &Form1::netJoin);
    menu->addSeparator()->setObjectName(QStringLiteral("s8"));
    net_->chat = translatedAction(menu, QT_TR_NOOP("Сообщение сопернику..."));
    net_->chat->setObjectName(QStringLiteral("NetChat"));
    net_->chat->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
    net_->chat->setEnabled(false);
    connect(net_->chat, &QAction::triggered, this, &Form1::netChat);
    net_->leave = translatedAction(menu, QT_TR_NOOP("Отключиться"));
    net_->leave->setObjectName(QStringLiteral("NetLeave"));
    net_->leave->setEnabled(false);
    connect(net_->leave, &QAction::triggered, this,
            [this] { endNetworkGame(tr("Вы вышли из сетевой игры.")); });
}

net::NetworkPlay* Form1::networkGame() const { return net_ ? net_->game : nullptr; }

ChatWindow* Form1::chatWindow() const { return net_ ? net_->chatWindow.data() : nullptr; }

void Form1::setOpponentShowMilliseconds(int ms) {
    net_->showMilliseconds = ms;
    if (net_->seat) net_->seat->setShowMilliseconds(ms);
}

void Form1::netCreate() {
    CreateGameDialog dialog(readPlayerName(), this);
    if (dialog.exec() != QDialog::Accepted) return;
    writePlayerName(dialog.name());
    QString code = QString::fromStdString(net::drawCode());
    if (!hostNetworkGame(dialog.name(), dialog.colour(), dialog.port(), code)) {
        if (!networkGame()) return;  // no network module: already said
        QMessageBox::warning(this, gameTitle(), tr("Не удалось открыть порт %1: %2")
                                               .arg(dialog.port())
                                               .arg(networkGame() ? networkGame()->errorString() : QString()));
        endNetworkGame();
        return;
    }
    // Told once, without holding the window: the game waits while the player passes it on.
    auto* box = new QMessageBox(QMessageBox::Information, gameTitle(),
                                tr("Код игры: %1\nПорт: %2\nАдреса этого компьютера:\n%3")
                                    .arg(code)
                                    .arg(dialog.port())
                                    .arg(machineAddresses(*net_->module).join(QLatin1Char('\n'))),
                                QMessageBox::Ok, this);
    box->setObjectName(QStringLiteral("NetCodeBox"));
    box->setTextFormat(Qt::PlainText);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setModal(false);
    box->show();
}

void Form1::netJoin() {
    JoinGameDialog dialog(readPlayerName(), net_->lastAddress, net_->lastCode, this);
    // Looked for while the dialog is open; gone before it is.
    QString why;
    net::NetworkModule* module = networkModule(&why);
    std::unique_ptr<net::GameFinder> finder;
    if (module) finder = module->findGames([&dialog, &finder] { dialog.showGames(finder.get()); });
    dialog.showGames(finder.get());
    bool accepted = dialog.exec() == QDialog::Accepted;
    finder.reset();
    if (!accepted || !dialog.address()) return;
    writePlayerName(dialog.name());
    joinNetworkGame(dialog.address()->host, dialog.address()->port, dialog.code(), dialog.name());
}

void Form1::netChat() {
    if (!net_->game) return;
    if (!net_->chatWindow) {
        net_->chatWindow = new ChatWindow(
            [this](const QString& text) {
                if (!net_->game || !net_->game->sendChat(text)) return false;
                net_->chatWindow->add(net_->localName, text);
                return true;
            },
            this);
    }
    net_->chatWindow->show();
    net_->chatWindow->raise();
}

bool Form1::hostNetworkGame(const QString& name, int colour, quint16 port, const QString& code) {
    endNetworkGame();
    if (!startNetwork()) return false;
    net_->localName = name.isEmpty() ? tr("Игрок") : name;
    net_->code = code;
    if (!net_->game->host(port, code.toStdString(), name.toStdString(), colour)) return false;
    net_->module->announce(*net_->game, net_->localName);
    announce(tr("Ждём соперника… код %1").arg(code));
    sync();
    return true;
}

void Form1::joinNetworkGame(const QString& host, quint16 port, const QString& code, const QString& name) {
    endNetworkGame();
    if (!startNetwork()) return;
    net_->localName = name.isEmpty() ? tr("Игрок") : name;
    net_->lastAddress = gameAddressText({host, port});
    net_->lastCode = code;
    net_->game->join(host, port, code.toStdString(), name.toStdString());
    announce(tr("Подключаемся к %1…").arg(net_->lastAddress));
    sync();
}

bool Form1::startNetwork() {
    QString why;
    net_->module = networkModule(&why);
    if (!net_->module) {
        QMessageBox::warning(this, gameTitle(), tr("Сетевая игра недоступна: %1").arg(why));
        return false;
    }
    stopComputer();
    computer_->setColour(std::nullopt);  // the remote seat plays the other colour
    net_->game = net_->module->makeGame(game_, history_, this);
    net_->game->setShowsClicks(true);
    net_->seat = new RemoteSeat({[this](BoardClick c) { return boardButton({c.button, c.index}); },
                                 [this](const QString& text) { setHint(text); }, [this] { sync(); },
                                 [this](BoardClick) { net_->game->playShownClick(); }},
                                net_->game);
    if (net_->showMilliseconds >= 0) net_->seat->setShowMilliseconds(net_->showMilliseconds);
    net_->connected = net_->moving = net_->restQueued = net_->askedHere = net_->askedThere = net_->boardsSeen = false;
    net_->announcedTurn = -1;
    net_->chat->setEnabled(true);
    net_->leave->setEnabled(true);
    net::NetworkPlay* game = net_->game;
    connect(game, &net::NetworkPlay::opponentJoined, this, [this](const QString& name) {
        announce(tr("Соперник подключился: %1.").arg(name.isEmpty() ? tr("Соперник") : name));
        net_->announcedTurn = -1;
        net_->connected = true;
    });
    connect(game, &net::NetworkPlay::boardReplaced, this, &Form1::opponentBoardReplaced);
    // The opponent's press is shown first, as the computer's are, then played.
    connect(game, &net::NetworkPlay::remoteShown, this, [this](BoardClick click) {
        hint_->stop();
        net_->seat->show(click);
    });
    connect(game, &net::NetworkPlay::remoteClicked, this, [this] { agreedToEnd_ = false; });
    connect(game, &net::NetworkPlay::chatReceived, this, [this](const QString& text) {
        QString who = net_->game->opponentName().isEmpty() ? tr("Соперник") : net_->game->opponentName();
        if (!net_->chatWindow) netChat();
        net_->chatWindow->add(who, text);
        announce(who + QStringLiteral(": ") + text);
    });
    connect(game, &net::NetworkPlay::againAsked, this, [this] {
        net_->askedThere = true;
        if (!net_->askedHere) announce(tr("Соперник предлагает новую игру (Файл → Новая игра)."));
    });
    connect(game, &net::NetworkPlay::opponentLeft, this,
            [this](net::CloseCause cause, const QString& reason) { opponentLeft(static_cast<int>(cause), reason); });
    connect(game, &net::NetworkPlay::changed, this, [this] { sync(); });
    return true;
}

void Form1::opponentBoardReplaced() {
    net_->seat->stop();
    startedAfresh();
    computer_->setColour(std::nullopt);
    net_->announcedTurn = -1;
    net_->moving = false;
    bool again = net_->askedHere || net_->askedThere;
    bool first = !net_->game->hosting() && !net_->boardsSeen;
    net_->boardsSeen = true;
    net_->askedHere = net_->askedThere = false;
    if (again)
        net_->preface = tr("Новая игра: цвета поменялись.");
    else if (!first && !net_->game->hosting())
        net_->preface = tr("Соперник открыл сохранённую игру.");
    if (!net_->preface.isEmpty()) announce(net_->preface);
    sync();
}

void Form1::opponentLeft(int cause, const QString& reason) {
    net_->seat->stop();
    net_->askedHere = net_->askedThere = false;
    switch (static_cast<net::CloseCause>(cause)) {
        case net::CloseCause::LeftHere: break;
        case net::CloseCause::PeerLeft: announce(tr("Соперник вышел из игры.")); break;
        case net::CloseCause::Refused:
            if (net_->game->hosting())
                announce(tr("Соперник не допущен."));
            else if (reason == QLatin1String("busy"))
                announce(tr("У соперника уже идёт игра."));
            else if (reason == QLatin1String("version"))
                announce(tr("У соперника другая версия игры."));
            else
                announce(tr("Неверный код игры."));
            break;
        default:
            // A joiner that never got in could not connect; anyone else lost the opponent.
            if (!net_->game->hosting() && !net_->connected)
                announce(tr("Не удалось подключиться к %1.").arg(net_->lastAddress));
            else
                announce(tr("Связь с соперником потеряна."));
            break;
    }
    net_->connected = false;
    net_->announcedTurn = -1;
    sync();
}

void Form1::endNetworkGame(const QString& said) {
    if (!net_ || !net_->game) return;
    net::NetworkPlay* game = net_->game;
    net_->game = nullptr;
    game->disconnect(this);
    net_->seat->stop();
    net_->seat = nullptr;  // goes with the game
    game->leave();
    // Perhaps from inside one of its own signals; and its BYE leaves first.
    QTimer::singleShot(300, game, &QObject::deleteLater);
    if (net_->chatWindow) net_->chatWindow->close();
    net_->chat->setEnabled(false);
    net_->leave->setEnabled(false);
    computer_->setColour(computerColour(opponent_));
    if (!said.isEmpty()) announce(said);
    sync();
}

void Form1::leaveNetworkOnClose() {
    if (!net_ || !net_->game) return;
    net::NetworkPlay* game = net_->game;
    game->leave();
    // The BYE leaves before the window and its socket go; never more than a moment.
    QElapsedTimer waited;
    waited.start();
    while (game->hasOpponent() && waited.elapsed() < 300)
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 20);
}

}  // namespace reikoboy
