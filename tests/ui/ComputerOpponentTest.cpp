// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The computer opponent and the hint in the real window: a whole game against the computer,
// the choices kept across a restart, its turn stopped by a new game, an opened game and
// closing, and a hint that shows a move without playing it.
#include <QAccessible>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <random>

#include "UiTestSupport.h"
#include "ai/ComputerPlayer.h"
#include "ai/TurnText.h"
#include "persist/SavedGame.h"
#include "ui/board/MoveHint.h"
#include "ui/board/PictureButton.h"
#include "ui/seats/ComputerTurn.h"

namespace reikoboy::testing {
namespace {

void storeChoices(const QString& opponent, const QString& strength) {
    storeSettings({}, {});
    REIKOBOY_STORE(s);
    s.setValue(QStringLiteral("Settings/Соперник"), opponent);
    s.setValue(QStringLiteral("Settings/Сила"), strength);
    s.sync();
}

void trigger(const Form1& w, const char* name) { control<QAction>(w, QLatin1String(name))->trigger(); }

bool checked(const Form1& w, const char* name) { return control<QAction>(w, QLatin1String(name))->isChecked(); }

// The board buttons the player sees, in the window's keyboard order.
QList<QAbstractButton*> shownButtons(const Form1& w) {
    QList<QAbstractButton*> shown;
    for (auto* b : w.findChildren<QAbstractButton*>(QRegularExpression("^Command[1-5]")))
        if (b->isVisible() && b->isEnabled()) shown << b;
    return shown;
}

QAbstractButton* pressedButton(const Form1& w) {
    for (auto* b : w.findChildren<QAbstractButton*>(QRegularExpression("^Command[1-5]")))
        if (b->isDown()) return b;
    return nullptr;
}

// Waits until `done` holds, at most ten seconds.
template <class Condition>
bool waitFor(Condition done) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < 10000) QTest::qWait(2);
    return done();
}

bool playersTurn(const Form1& w) {
    return !w.game().state().animating() && !w.computerTurn().busy();
}

TEST(ComputerOpponent, AWholeGameAgainstTheComputerEndsWithTheQuestion) {
    storeChoices("1", "0");  // the computer plays red as a novice
    Form1 w;
    w.computerTurn().setShowMilliseconds(20);
    w.show();
    QString question;
    QTimer poll;
    int computerButtonsSeen = 0, playerButtonsDuringItsTurn = 0;
    QObject::connect(&poll, &QTimer::timeout, &w, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            question = box->text();
            box->button(QMessageBox::No)->click();
        }
        if (w.computerTurn().busy()) {
            if (QAbstractButton* b = pressedButton(w)) {
                ++computerButtonsSeen;
                EXPECT_EQ(w.hint(), b->accessibleDescription());
            }
            // Only the button the computer is about to press may show.
            if (shownButtons(w).size() > 1) ++playerButtonsDuringItsTurn;
        }
    });
    poll.start(5);
    std::mt19937 choose(16);
    int turnsOfComputer = 0;
    for (int moves = 0; question.isEmpty() && moves < 3000; ++moves) {
        ASSERT_TRUE(waitFor([&] { return playersTurn(w) || !question.isEmpty(); }));
        if (!question.isEmpty()) break;
        const GameState& s = w.game().state();
        if (int(s.turnColour) == kBlue && s.dropInTurn == 0 && moves > 0 && w.hint().startsWith("Компьютер "))
            ++turnsOfComputer;
        QList<QAbstractButton*> offered = shownButtons(w);
        ASSERT_FALSE(offered.isEmpty()) << "the player has no move";
        ASSERT_EQ(int(s.turnColour), kBlue) << "red's buttons were offered to the player";
        offered[std::uniform_int_distribution<int>(0, offered.size() - 1)(choose)]->click();
    }
    // Against the computer the question names the person or the computer, not a colour.
    EXPECT_TRUE(question.startsWith("Вы выиграли ") || question.startsWith("Компьютер выиграл ") ||
                question.startsWith("Ничья, "))
        << "the game did not end: " << question.toStdString();
    EXPECT_EQ(int(w.game().state().chipsOut), 16);
    EXPECT_GT(turnsOfComputer, 5);
    EXPECT_GT(computerButtonsSeen, turnsOfComputer) << "the computer's buttons were not shown before pressing";
    EXPECT_EQ(playerButtonsDuringItsTurn, 0);
    EXPECT_FALSE(control<QAction>(w, "Hint")->isEnabled()) << "a hint after the end";
}

TEST(ComputerOpponent, ChoicesOutliveARestartAndJunkMeansTheDefaults) {
    storeChoices("7", "сильный");
    {
        Form1 w;
        // «Ход» stands between «Файл» and «Параметры».
        QStringList menus;
        for (QAction* a : w.menuBar()->actions()) menus << a->text();
        EXPECT_EQ(menus, QStringList({"&Файл", "&Ход", "&Сеть", "&Параметры", "&Справка"}));
        EXPECT_EQ(control<QAction>(w, "Hint")->shortcut(), QKeySequence("Ctrl+H"));
        QStringList options;
        for (QAction* a : control<QMenu>(w, "Para")->actions()) options << a->text();
        EXPECT_EQ(options,
                  QStringList({"&Звук", "", "&Выбрать фон...", "", "&Соперник", "Сила &компьютера", "&Масштаб", "&Язык"}));
        EXPECT_TRUE(checked(w, "OpponentSecondPlayer"));
        EXPECT_TRUE(checked(w, "StrengthAmateur"));
        EXPECT_TRUE(checked(w, "Son")) << "the old keys read as before";
        trigger(w, "StrengthMaster");
        trigger(w, "OpponentComputerRed");  // blue moves first: the computer waits
        EXPECT_FALSE(w.computerTurn().busy());
        EXPECT_TRUE(checked(w, "OpponentComputerRed"));
        EXPECT_FALSE(checked(w, "OpponentSecondPlayer"));
        w.close();
    }
    REIKOBOY_STORE(s);
    EXPECT_EQ(s.value("Settings/Соперник").toString(), "1");
    EXPECT_EQ(s.value("Settings/Сила").toString(), "2");
    Form1 again;
    EXPECT_TRUE(checked(again, "OpponentComputerRed"));
    EXPECT_TRUE(checked(again, "StrengthMaster"));
}

// Waits for the computer to show the button it is about to press; false if it never does.
bool computerShowsAButton(const Form1& w) { return waitFor([&] { return pressedButton(w) != nullptr; }); }

void expectQuietNewBoard(const Form1& w) {
    QTest::qWait(300);  // long enough for a stray move to land
    const GameState& s = w.game().state();
    EXPECT_FALSE(w.computerTurn().busy());
    EXPECT_EQ(pressedButton(w), nullptr);
    EXPECT_EQ(int(s.blueDropped) + int(s.redDropped), 0);
    EXPECT_EQ(int(s.turnColour), kBlue);
    EXPECT_FALSE(shownButtons(w).isEmpty()) << "the player has no move";
}

TEST(ComputerOpponent, NewGameOpenAndCloseStopItsTurnAtOnce) {
    storeChoices("1", "2");  // the computer plays red as a master
    QTemporaryDir folder;
    QString saved = folder.filePath("red-to-move.sav");
    Form1 w;
    w.computerTurn().setShowMilliseconds(10000);  // each button it shows stays for the test
    w.show();
    // While it thinks: a new game.
    click(w, "Command3_0");
    settle(w);
    ASSERT_TRUE(w.computerTurn().busy());
    EXPECT_FALSE(control<QAction>(w, "Hint")->isEnabled()) << "a hint during the computer's turn";
    QFile file(saved);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray::fromStdString(writeSavedGame(w.game().state())));
    file.close();
    trigger(w, "Nova");
    expectQuietNewBoard(w);

    // An opened game with red to move: the computer begins.
    QTimer::singleShot(0, &w, [&saved] {
        ASSERT_TRUE(waitFor([] { return qobject_cast<QFileDialog*>(QApplication::activeModalWidget()); }));
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        QTest::qWait(150);
        auto* edit = dialog->findChild<QLineEdit*>("fileNameEdit");
        edit->setText(saved);
        QTest::keyClick(edit, Qt::Key_Return);
    });
    trigger(w, "Op");
    EXPECT_EQ(int(w.game().state().turnColour), kRed);
    ASSERT_TRUE(computerShowsAButton(w));
    // While it shows a button: «Открыть...», cancelled. The same game goes on and the computer
    // thinks anew; the button it showed was never pressed.
    std::string before = writeSavedGame(w.game().state());
    QAbstractButton* pressedDuringDialog = nullptr;
    QTimer::singleShot(0, &w, [&w, &pressedDuringDialog] {
        waitFor([] { return qobject_cast<QFileDialog*>(QApplication::activeModalWidget()); });
        QTest::qWait(100);
        pressedDuringDialog = pressedButton(w);
        if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) dialog->reject();
    });
    trigger(w, "Op");
    EXPECT_EQ(pressedDuringDialog, nullptr);
    EXPECT_EQ(writeSavedGame(w.game().state()), before) << "a move landed after the cancel";
    EXPECT_TRUE(w.computerTurn().busy());

    // While it shows a button: closing. Nothing was played in this game, so no question.
    trigger(w, "Nova");
    trigger(w, "OpponentComputerBlue");
    ASSERT_TRUE(computerShowsAButton(w));
    EXPECT_TRUE(w.close());
    QTest::qWait(300);
    EXPECT_FALSE(w.computerTurn().busy());
    EXPECT_EQ(pressedButton(w), nullptr);
    EXPECT_EQ(w.game().state().freshGame, 1) << "a move landed after closing";
}

TEST(ComputerOpponent, TheHintBlinksTheStrongestFirstMoveAndPlaysNothing) {
    storeChoices("0", "0");
    Form1 w;
    w.show();
    ai::GameMemory memory;  // the hint remembers the boards of the game
    memory.add(w.game().state());
    click(w, "Command2_2");
    settle(w);
    memory.add(w.game().state());
    const ai::Turn turn = ai::chooseTurn(w.game().state(), ai::Level::Master, memory);
    ai::Click best = turn.front();
    std::string before = writeSavedGame(w.game().state());
    trigger(w, "Hint");
    ASSERT_TRUE(computerShowsAButton(w));
    QAbstractButton* hinted = pressedButton(w);
    EXPECT_EQ(hinted, control(w, QString("Command%1_%2").arg(int(best.button) + 1).arg(best.index)))
        << hinted->objectName().toStdString();
    EXPECT_EQ(w.hint(), "Подсказка: " + QString::fromStdString(ai::describeTurn(turn))) << "not the whole turn";
    EXPECT_EQ(QAccessible::queryAccessibleInterface(control(w, "StatusBar1Panel1"))->text(QAccessible::Name), w.hint())
        << "a screen reader does not hear the hint";
    // Each button of the turn blinks in its turn, the first as many times as the turn's length allows.
    int changes = 0;
    bool down = true;
    QStringList order{hinted->objectName()};
    QElapsedTimer quiet;
    quiet.start();
    ASSERT_TRUE(waitFor([&] {
        QAbstractButton* now = pressedButton(w);
        if (now && now->objectName() != order.back()) order << now->objectName();
        if (order.size() == 1 && hinted->isDown() != down) ++changes, down = hinted->isDown();
        if (now) quiet.restart();
        return quiet.elapsed() > 3 * MoveHint::kBlinkMilliseconds;  // no button down for a while
    })) << "the blinking did not end";
    EXPECT_GE(changes, (turn.size() > 1 ? MoveHint::kBlinksEachOfMany : MoveHint::kBlinks) - 1) << "it did not blink";
    QStringList expected;
    for (const ai::Click& c : turn) {
        const QString name = QString("Command%1").arg(int(c.button) + 1) + (c.button == Button::Command5 ? "" : QString("_%1").arg(c.index));
        if (control(w, name)->isVisible() && (expected.isEmpty() || expected.back() != name)) expected << name;
    }
    EXPECT_EQ(order, expected) << "not every button of the turn, in order";
    EXPECT_EQ(writeSavedGame(w.game().state()), before) << "the hint played a move";
    EXPECT_TRUE(control<QAction>(w, "Hint")->isEnabled());
    click(w, "Command2_1");
    EXPECT_FALSE(control<QAction>(w, "Hint")->isEnabled()) << "a hint during the animation";
}

}  // namespace
}  // namespace reikoboy::testing
