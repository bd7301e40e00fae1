// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Taking moves back in the real window: a shift that drops chips, also mid-slide; the
// computer's reply; the end of a game answered «Нет»; an opened file.
#include <QMenu>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "DialogAnswers.h"
#include "UiTestSupport.h"
#include "persist/SavedGame.h"
#include "ui/seats/ComputerTurn.h"

namespace reikoboy::testing {
namespace {

// Forty-nine clicks to the end of a game; the fourteenth, blue's shift of rail 4, drops two chips.
const QStringList kWholeGame = QStringLiteral(
    "1_3 3_1 3_3 3_4 1_1 2_0 1_2 1_4 2_1 1_0 2_2 3_1 2_3 3_4 1_4 3_0 1_1 2_1 3_0 2_2 2_4 1_6 2_1 1_4 1_2 "
    "2_0 3_1 2_3 3_4 1_1 2_1 3_3 1_5 3_1 1_3 2_0 3_2 2_4 1_0 2_0 1_3 1_1 2_2 3_0 3_4 3_1 3_3 2_2 2_3").split(' ');

// The saved game, the three labels and the offered buttons.
QString seen(const Form1& w) {
    QString s = QString::fromStdString(writeSavedGame(w.game().state()));
    for (const char* name : {"Label1", "Label2", "Label3"}) s += control<QLabel>(w, name)->text() + ' ';
    for (auto* b : w.findChildren<QAbstractButton*>(QRegularExpression("^Command[1-5]")))
        if (b->isVisible() && b->isEnabled()) s += b->objectName() + ' ';
    return s;
}

bool enabled(const Form1& w, const char* name) { return control<QAction>(w, name)->isEnabled(); }
void undo(Form1& w) { QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier); }
void redo(Form1& w) { QTest::keyClick(&w, Qt::Key_Y, Qt::ControlModifier); }
void play(Form1& w, int from, int to) {
    for (int i = from; i < to; ++i) {
        click(w, "Command" + kWholeGame[i]);
        settle(w);
    }
}
void activate(Form1& w) {
    w.show();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
}

TEST(UndoRedo, ARailShiftThatDropsChipsIsTakenBackWhole) {
    storeSettings({}, {});
    Form1 w;
    ASSERT_NO_FATAL_FAILURE(activate(w));
    QStringList items;
    for (QAction* a : control<QMenu>(w, "Moves")->actions()) items << a->text() + a->shortcut().toString();
    EXPECT_EQ(items, QStringList({"&Отменить ходCtrl+Z", "По&вторить ходCtrl+Shift+Z", "", "&ПодсказкаCtrl+H", "",
                                  "&Запись игрыF6", "&Статистика...", "С&даться"}));
    EXPECT_FALSE(enabled(w, "Undo") || enabled(w, "Redo")) << "nothing to take back in a new game";
    const QString fresh = seen(w);
    play(w, 0, 13);
    const QString before = seen(w);
    click(w, "Command3_4");
    ASSERT_TRUE(w.game().state().animating());
    undo(w);  // mid-slide: everything stops, at rest as before the shift
    EXPECT_FALSE(w.game().state().animating());
    EXPECT_EQ(seen(w), before);
    play(w, 13, 14);
    const QString after = seen(w);
    ASSERT_EQ(int(w.game().state().chipsOut), 4) << "the shift dropped no chips";
    undo(w);
    EXPECT_EQ(seen(w), before);
    QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(w.game().state().animating()) << "replayed without its animation";
    settle(w);
    EXPECT_EQ(seen(w), after);
    for (int i = 0; i < 14; ++i) undo(w);
    EXPECT_EQ(seen(w), fresh);
    EXPECT_EQ(int(w.game().state().freshGame), 1) << "nothing to save, as in a new game";
    EXPECT_FALSE(enabled(w, "Undo"));
    redo(w);
    settle(w);
    click(w, "Command5");  // a click of its own drops what could be replayed
    EXPECT_FALSE(enabled(w, "Redo"));
    w.findChild<QAction*>("Nova")->trigger();
    EXPECT_FALSE(enabled(w, "Undo")) << "a new game starts a new history";
}

TEST(UndoRedo, QuickRedoPressesAreAllReplayedInTurn) {
    storeSettings({}, {});
    Form1 w;
    ASSERT_NO_FATAL_FAILURE(activate(w));
    play(w, 0, 14);
    const QString end = seen(w);
    for (int i = 0; i < 14; ++i) undo(w);
    // Fourteen presses as fast as keys go: most land while a replayed shift still slides.
    for (int i = 0; i < 14; ++i) redo(w);
    for (int i = 0; i < 200 && seen(w) != end; ++i) {
        settle(w);
        QTest::qWait(20);
    }
    EXPECT_EQ(seen(w), end);
    EXPECT_FALSE(enabled(w, "Redo"));
    // A press more than there is to replay is no move: the board stays.
    redo(w);
    settle(w);
    EXPECT_EQ(seen(w), end);
}

TEST(UndoRedo, TheStatusBarForgetsSentencesThatNoLongerApply) {
    storeSettings({}, {});
    Form1 w;
    ASSERT_NO_FATAL_FAILURE(activate(w));
    play(w, 0, 2);
    auto hinted = [&] {
        w.findChild<QAction*>("Hint")->trigger();
        return QTest::qWaitFor([&] { return w.hint().startsWith("Подсказка: "); }, 5000);
    };
    ASSERT_TRUE(hinted());
    undo(w);
    EXPECT_EQ(w.hint().toStdString(), "Ход взят назад: сдвиг рейки 2 вправо")
        << "a hint for the board before the move taken back";
    redo(w);
    EXPECT_EQ(w.hint().toStdString(), "Ход повторён: сдвиг рейки 2 вправо");
    settle(w);
    ASSERT_TRUE(hinted());
    w.findChild<QAction*>("Nova")->trigger();
    EXPECT_EQ(w.hint(), "") << "a hint for the game before";
}

TEST(UndoRedo, AgainstTheComputerThePlayerGetsTheirOwnDecisionBack) {
    storeSettings({}, {});
    REIKOBOY_STORE(store);
    store.setValue("Settings/Соперник", "1");  // the computer plays red
    store.sync();
    Form1 w;
    w.computerTurn().setShowMilliseconds(20);
    ASSERT_NO_FATAL_FAILURE(activate(w));
    auto playersTurn = [&w] { return !w.game().state().animating() && !w.computerTurn().busy(); };
    play(w, 0, 1);
    const QString beforeShift = seen(w);
    click(w, "Command3_1");
    ASSERT_TRUE(QTest::qWaitFor([&] { return playersTurn() && int(w.game().state().turnColour) == kBlue; }));
    undo(w);
    EXPECT_EQ(seen(w), beforeShift) << "not the player's own last decision";
    QTest::qWait(300);  // long enough for the computer to start, were it to
    EXPECT_EQ(seen(w), beforeShift);
    redo(w);  // the shift again, and the computer answers it
    ASSERT_TRUE(QTest::qWaitFor([&] { return playersTurn() && int(w.game().state().turnColour) == kBlue; }));
    // While the computer shows the button it is about to press: stopped, and nothing lands.
    w.computerTurn().setShowMilliseconds(10000);
    const QString beforeShift2 = seen(w);
    auto shifts = w.findChildren<QAbstractButton*>(QRegularExpression("^Command[23]_"));
    auto shift = std::find_if(shifts.begin(), shifts.end(), [](auto* b) { return b->isVisible() && b->isEnabled(); });
    ASSERT_NE(shift, shifts.end());
    QTest::mouseClick(*shift, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return w.computerTurn().busy(); }));
    undo(w);
    EXPECT_FALSE(w.computerTurn().busy());
    QTest::qWait(300);
    EXPECT_EQ(seen(w), beforeShift2);
}

TEST(UndoRedo, AnOpenedGameAndItsEndAnsweredNo) {
    storeSettings({}, {});
    struct : Host {
        void playSound(Sound) override {}
        bool askEndOfGame(const std::string&) override { return false; }
    } host;
    Game game(host);  // all but the last click, played without a window and saved
    game.formLoad("", "0");
    game.newGame();
    for (int i = 0; i < 48; ++i) {
        QStringList c = kWholeGame[i].split('_');
        game.click(static_cast<Button>(c[0].toInt() - 1), c[1].toInt());
        game.finishAnimation();
    }
    QTemporaryDir folder;
    const QString file = folder.filePath("nearly-over.sav");
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(QByteArray::fromStdString(writeSavedGame(game.state())));
    out.close();
    Form1 w;
    ASSERT_NO_FATAL_FAILURE(activate(w));
    play(w, 0, 1);
    DialogAnswers answers;
    answers.then(chooseFile(file));
    answers.then(press(QMessageBox::No));
    w.findChild<QAction*>("Op")->trigger();
    EXPECT_FALSE(enabled(w, "Undo")) << "an opened game starts a new history";
    const QString opened = seen(w);
    play(w, 48, 49);
    EXPECT_EQ(answers.seen.value(1), "Рейкобой: Поздравляю! Выиграли синие фишки!\nХотите сыграть ещё?");
    ASSERT_NO_FATAL_FAILURE(activate(w));  // the keys go to the board again
    undo(w);
    EXPECT_EQ(seen(w), opened) << "the last chips are not back";
    EXPECT_FALSE(enabled(w, "Undo")) << "taken back beyond the opened game";
}

}  // namespace
}  // namespace reikoboy::testing
