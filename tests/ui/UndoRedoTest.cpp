// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// «Отменить ход» and «Повторить ход» in the real window: a rail shift that drops chips taken
// back whole, also in the middle of its animation; the computer's reply taken back with the
// player's own move; the end of a game answered «Нет»; an opened file.
#include <QApplication>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "DialogAnswers.h"
#include "UiTestSupport.h"
#include "persist/SavedGame.h"
#include "ui/ComputerTurn.h"

namespace reikoboy::testing {
namespace {

// After these thirteen clicks blue's shift of rail 4 to the right drops two chips off the board.
const char* const kBeforeTheDrop =
    "Command1_3 Command3_1 Command3_3 Command3_4 Command1_1 Command2_0 Command1_2 Command1_4 "
    "Command2_1 Command1_0 Command2_2 Command3_1 Command2_3";
const char* const kTheDrop = "Command3_4";

// Everything of the board a player sees and a saved game keeps.
struct Seen {
    std::string saved;
    QStringList labels, offered;
    friend bool operator==(const Seen&, const Seen&) = default;
};

void PrintTo(const Seen& s, std::ostream* out) {
    *out << s.labels.join(" | ").toStdString() << " / " << s.offered.join(' ').toStdString() << "\n" << s.saved;
}

Seen seen(const Form1& w) {
    Seen s{writeSavedGame(w.game().state()), {}, {}};
    for (const char* name : {"Label1", "Label2", "Label3"}) s.labels << control<QLabel>(w, name)->text();
    for (auto* b : w.findChildren<QAbstractButton*>(QRegularExpression("^Command[1-5]")))
        if (b->isVisible() && b->isEnabled()) s.offered << b->objectName();
    return s;
}

bool enabled(const Form1& w, const char* name) { return control<QAction>(w, name)->isEnabled(); }

void undo(Form1& w) { QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier); }
void redo(Form1& w) { QTest::keyClick(&w, Qt::Key_Y, Qt::ControlModifier); }

void play(Form1& w, const char* clicks) {
    for (const QString& name : QString::fromLatin1(clicks).split(' ')) {
        click(w, name);
        settle(w);
    }
}

void showActive(Form1& w) {
    w.show();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
}

template <class Condition>
bool waitFor(Condition done) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < 10000) QTest::qWait(2);
    return done();
}

TEST(UndoRedo, ARailShiftThatDropsChipsIsTakenBackWhole) {
    storeSettings({}, {});
    Form1 w;
    ASSERT_NO_FATAL_FAILURE(showActive(w));
    QStringList items;
    for (QAction* a : control<QMenu>(w, "Moves")->actions()) items << a->text();
    EXPECT_EQ(items, QStringList({"&Отменить ход", "По&вторить ход", "", "&Подсказка"}));
    EXPECT_EQ(control<QAction>(w, "Undo")->shortcut(), QKeySequence("Ctrl+Z"));
    EXPECT_EQ(control<QAction>(w, "Redo")->shortcuts(), QList<QKeySequence>({QKeySequence("Ctrl+Shift+Z"), QKeySequence("Ctrl+Y")}));
    EXPECT_FALSE(enabled(w, "Undo")) << "nothing to take back in a new game";
    EXPECT_FALSE(enabled(w, "Redo"));
    const Seen fresh = seen(w);
    undo(w);
    EXPECT_EQ(seen(w), fresh);

    play(w, kBeforeTheDrop);
    const Seen before = seen(w);
    // Taken back while the rail still slides: everything stops, the board as before the shift.
    click(w, kTheDrop);
    ASSERT_TRUE(w.game().state().animating());
    undo(w);
    EXPECT_FALSE(w.game().state().animating());
    EXPECT_EQ(seen(w), before);

    click(w, kTheDrop);
    settle(w);
    const Seen after = seen(w);
    ASSERT_EQ(int(w.game().state().chipsOut), 4) << "the shift dropped no chips";
    ASSERT_NE(after.labels, before.labels);
    undo(w);
    EXPECT_EQ(seen(w), before);
    EXPECT_EQ(int(w.game().state().chipsOut), 2);
    EXPECT_TRUE(enabled(w, "Redo"));
    QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(w.game().state().animating()) << "replayed without its animation";
    EXPECT_FALSE(enabled(w, "Redo"));
    settle(w);
    EXPECT_EQ(seen(w), after);

    // Back to the start: nothing left to save, as in a new game.
    for (int i = 0; i < 14; ++i) undo(w);
    EXPECT_EQ(seen(w), fresh);
    EXPECT_EQ(int(w.game().state().freshGame), 1);
    EXPECT_FALSE(enabled(w, "Undo"));
    redo(w);
    settle(w);
    EXPECT_TRUE(enabled(w, "Redo"));
    click(w, "Command5");  // a click of its own drops what could be replayed
    EXPECT_FALSE(enabled(w, "Redo"));
    EXPECT_TRUE(enabled(w, "Undo"));
    w.findChild<QAction*>("Nova")->trigger();
    EXPECT_FALSE(enabled(w, "Undo")) << "a new game starts a new history";
}

TEST(UndoRedo, AgainstTheComputerTheReplyGoesBackWithThePlayersMove) {
    storeSettings({}, {});
    {
        REIKOBOY_STORE(s);
        s.setValue(QStringLiteral("Settings/Соперник"), "1");  // the computer plays red
        s.setValue(QStringLiteral("Settings/Сила"), "0");
    }
    Form1 w;
    w.computerTurn().setShowMilliseconds(20);
    ASSERT_NO_FATAL_FAILURE(showActive(w));
    auto playersTurn = [&w] {
        return !w.game().state().animating() && !w.computerTurn().busy() && int(w.game().state().turnColour) == kBlue;
    };
    play(w, "Command1_3");
    const Seen beforeShift = seen(w);
    click(w, "Command3_1");
    ASSERT_TRUE(waitFor([&] { return !w.computerTurn().busy() && !w.game().state().animating(); }));
    ASSERT_TRUE(playersTurn()) << "the computer did not answer";
    ASSERT_NE(seen(w), beforeShift);

    undo(w);
    EXPECT_EQ(seen(w), beforeShift) << "not the player's own last decision";
    QTest::qWait(300);  // long enough for the computer to start, were it to
    EXPECT_FALSE(w.computerTurn().busy());
    EXPECT_EQ(seen(w), beforeShift);

    // Replayed, the shift lets the computer answer again.
    redo(w);
    ASSERT_TRUE(waitFor([&] { return int(w.game().state().turnColour) == kRed; }));
    ASSERT_TRUE(waitFor(playersTurn)) << "the computer did not answer the replayed move";
    EXPECT_FALSE(enabled(w, "Redo"));

    // While the computer shows its button: taken back at once, nothing of its turn lands.
    w.computerTurn().setShowMilliseconds(10000);
    const Seen beforeSecond = seen(w);
    QAbstractButton* move = nullptr;
    for (auto* b : w.findChildren<QAbstractButton*>(QRegularExpression("^Command[234]")))
        if (b->isVisible() && b->isEnabled()) move = b;
    ASSERT_NE(move, nullptr);
    QTest::mouseClick(move, Qt::LeftButton);
    ASSERT_TRUE(waitFor([&] { return w.computerTurn().busy() && !w.game().state().animating(); }));
    undo(w);
    EXPECT_FALSE(w.computerTurn().busy());
    QTest::qWait(300);
    EXPECT_EQ(seen(w), beforeSecond);
    for (auto* b : w.findChildren<QAbstractButton*>()) EXPECT_FALSE(b->isDown()) << b->objectName().toStdString();
}

TEST(UndoRedo, AnOpenedGameAndItsEndAnsweredNo) {
    storeSettings({}, {});
    // The last click but one of a whole game, played without a window and saved.
    struct Silent : Host {
        void playSound(Sound) override {}
        bool askEndOfGame(const std::string&) override { return false; }
    } host;
    Game game(host);
    game.formLoad("", "0");
    game.newGame();
    QTemporaryDir folder;
    const QString file = folder.filePath("nearly-over.sav");
    {
        // The forty-eight clicks of a whole game but its last.
        const char* const whole =
            "1 3;3 1;3 3;3 4;1 1;2 0;1 2;1 4;2 1;1 0;2 2;3 1;2 3;3 4;1 4;3 0;1 1;2 1;3 0;2 2;2 4;1 6;2 1;1 4;"
            "1 2;2 0;3 1;2 3;3 4;1 1;2 1;3 3;1 5;3 1;1 3;2 0;3 2;2 4;1 0;2 0;1 3;1 1;2 2;3 0;3 4;3 1;3 3;2 2";
        for (const QString& m : QString::fromLatin1(whole).split(';')) {
            QStringList parts = m.split(' ');
            ASSERT_TRUE(game.click(static_cast<Button>(parts[0].toInt() - 1), parts[1].toInt())) << m.toStdString();
            game.finishAnimation();
        }
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(QByteArray::fromStdString(writeSavedGame(game.state())));
    }

    Form1 w;
    ASSERT_NO_FATAL_FAILURE(showActive(w));
    play(w, "Command1_3");
    EXPECT_TRUE(enabled(w, "Undo"));
    {
        DialogAnswers answers;
        answers.then(chooseFile(file));
        w.findChild<QAction*>("Op")->trigger();
        EXPECT_TRUE(answers.allUsed());
    }
    EXPECT_FALSE(enabled(w, "Undo")) << "an opened game starts a new history";
    const Seen opened = seen(w);
    {
        DialogAnswers answers;
        answers.then(press(QMessageBox::No));
        click(w, "Command2_3");
        settle(w);
        EXPECT_TRUE(answers.allUsed()) << "the game did not end";
        EXPECT_EQ(answers.seen, QStringList({"Рейкобой: Поздравляю! Выиграли синие фишки!\nХотите сыграть ещё?"}));
    }
    EXPECT_EQ(int(w.game().state().chipsOut), 16);
    ASSERT_NO_FATAL_FAILURE(showActive(w));  // the keys go to the window again
    undo(w);
    EXPECT_EQ(seen(w), opened) << "the last chip is not back";
    EXPECT_FALSE(enabled(w, "Undo")) << "taken back beyond the opened game";
    EXPECT_TRUE(enabled(w, "Redo"));
}

}  // namespace
}  // namespace reikoboy::testing
