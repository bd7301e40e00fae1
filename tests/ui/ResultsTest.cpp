// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Giving up, the statistics of results across a restart, and the record of the game.
#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>

#include "DialogAnswers.h"
#include "UiTestSupport.h"
#include "WholeGame.h"
#include "persist/SavedGame.h"
#include "persist/Statistics.h"
#include "ui/windows/GameRecordWindow.h"

namespace reikoboy::testing {
namespace {

void trigger(Form1& w, const char* name) { control<QAction>(w, name)->trigger(); }

int offeredButtons(const Form1& w) {
    int n = 0;
    for (auto* b : w.findChildren<QAbstractButton*>(QRegularExpression("^Command[1-5]")))
        n += b->isVisible() && b->isEnabled();
    return n;
}

// The statistics window's table as the player reads it, a row a line.
QStringList statisticsShown(Form1& w) {
    QStringList rows;
    DialogAnswers answers;
    answers.then([&rows](QWidget* window) {
        auto* table = window->findChild<QTableWidget*>("StatisticsTable");
        for (int r = 0; r < table->rowCount(); ++r) {
            QStringList cells{table->verticalHeaderItem(r)->text()};
            for (int c = 0; c < table->columnCount(); ++c) cells << table->item(r, c)->text();
            rows << cells.join(' ');
        }
        qobject_cast<QDialog*>(window)->reject();
    });
    trigger(w, "Statistics");
    return rows;
}

TEST(ResultsTest, GivingUpEndsTheGameAsALossAndTheStatisticsOutliveARestart) {
    storeSettings({}, {});
    {
        REIKOBOY_STORE(s);
        s.setValue("Statistics/NoviceWins", "junk");  // reads as nothing
        s.setValue("Statistics/MasterLosses", "-5");
    }
    {
        Form1 w;
        w.show();
        click(w, "Command1_3");
        click(w, "Command3_1");
        settle(w);
        DialogAnswers answers;
        answers.then(press(QMessageBox::No));
        trigger(w, "GiveUp");
        EXPECT_EQ(answers.seen.value(0), "Рейкобой: Красные фишки сдались. Выиграли синие фишки!\nХотите сыграть ещё?");
        EXPECT_EQ(offeredButtons(w), 0) << "a game given up goes on";
        EXPECT_FALSE(control<QAction>(w, "GiveUp")->isEnabled());
        EXPECT_FALSE(control<QAction>(w, "Hint")->isEnabled());
        // Taken back, the game goes on from before the last move; it is still one game.
        trigger(w, "Undo");
        EXPECT_GT(offeredButtons(w), 0);
        answers.then(press(QMessageBox::Yes));
        trigger(w, "GiveUp");
        EXPECT_EQ(answers.seen.value(1), "Рейкобой: Синие фишки сдались. Выиграли красные фишки!\nХотите сыграть ещё?");
        EXPECT_EQ(int(w.game().state().freshGame), 1) << "Yes starts a new game";
    }
    Form1 restarted;
    const QStringList shown = statisticsShown(restarted);
    ASSERT_EQ(shown.size(), kResultRows);
    // The game counted once, as it was first given up.
    EXPECT_EQ(shown[0], "Двое за экраном: синие 1 0 0 0");
    EXPECT_EQ(shown[1], "Двое за экраном: красные 0 1 0 0");
    EXPECT_EQ(shown[2], "Против «Новичка» 0 0 0 0");
    EXPECT_EQ(shown[4], "Против «Мастера» 0 0 0 0");

    // «Сбросить», once the player confirms it.
    DialogAnswers answers;
    answers.then([](QWidget* window) { window->findChild<QPushButton*>("StatisticsReset")->click(); });
    answers.then(press(QMessageBox::Yes));
    answers.then([](QWidget* window) {
        // The table shows the zeros at once.
        EXPECT_EQ(window->findChild<QTableWidget*>("StatisticsTable")->item(0, 0)->text(), "0");
        qobject_cast<QDialog*>(window)->reject();
    });
    trigger(restarted, "Statistics");
    EXPECT_TRUE(answers.allUsed());
    EXPECT_EQ(readStatistics(), Statistics{});
}

TEST(ResultsTest, AWinAgainstTheComputerCountsForItsLevelWithItsMargin) {
    storeSettings({}, {});
    resetStatistics();
    NearlyOver game;  // blue makes the last click and wins 140 : 100
    ASSERT_EQ(game.mover, kBlue);
    {
        REIKOBOY_STORE(s);
        s.setValue("Settings/Соперник", "1");  // the computer plays red
        s.setValue("Settings/Сила", "2");      // as «Мастер»
    }
    Form1 w;
    w.show();
    DialogAnswers answers;
    answers.then(chooseFile(game.file));
    answers.then(press(QMessageBox::No));
    trigger(w, "Op");
    click(w, "Command2_3");
    settle(w);
    EXPECT_EQ(answers.seen.value(1), "Рейкобой: Вы выиграли 140 : 100!\nХотите сыграть ещё?");
    EXPECT_EQ(readStatistics()[int(ResultRow::Master)], (Tally{1, 0, 0, 40}));
    EXPECT_EQ(readStatistics()[int(ResultRow::ScreenBlue)], Tally{});
}

TEST(ResultsTest, TheRecordListsWholeTurnsLiveAndGreysWhatWasTakenBack) {
    storeSettings({}, {});
    Form1 w;
    w.show();
    trigger(w, "Record");
    auto* record = w.findChild<GameRecordWindow*>("GameRecord");
    ASSERT_TRUE(record && record->isVisible());
    QListWidget* list = record->list();
    auto lines = [list] {
        QStringList all;
        for (int i = 0; i < list->count(); ++i) all << list->item(i)->text();
        return all;
    };
    EXPECT_TRUE(lines().isEmpty());
    const QStringList moves = QString::fromLatin1(kWholeGame).split("; ");
    for (int i = 0; i < 14; ++i) {
        click(w, QString(moves[i]).replace(' ', '_'));
        settle(w);
    }
    const QStringList played = lines();
    ASSERT_GE(played.size(), 8);
    EXPECT_EQ(played[0].toStdString(), "1. Синие: фишка в столбец 7, сдвиг рейки 2 вправо");
    EXPECT_EQ(played[1].toStdString(), "2. Красные: сдвиг рейки 4 вправо");
    EXPECT_TRUE(std::any_of(played.begin(), played.end(), [](const QString& l) { return l.contains(" — +"); }))
        << "no turn scored: " << played.join('\n').toStdString();
    EXPECT_EQ(list->currentRow(), played.size() - 1) << "the newest turn is not the one in view";

    // Taken back: the turn stays, grey, until a new click forgets it.
    trigger(w, "Undo");
    EXPECT_EQ(lines(), played);
    const QColor grey = list->item(list->count() - 1)->foreground().color();
    EXPECT_NE(grey, list->item(0)->foreground().color());
    EXPECT_EQ(list->currentRow(), played.size() - 2);
    trigger(w, "Nova");
    EXPECT_TRUE(lines().isEmpty()) << "a new game starts a new record";
    trigger(w, "Record");
    EXPECT_FALSE(record->isVisible());
}

}  // namespace
}  // namespace reikoboy::testing
