// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The end of a game against the computer names who won, the person or the computer, with the
// score; between two people the question stays as it always was.
#include <QAction>
#include <QTemporaryDir>

#include "DialogAnswers.h"
#include "UiTestSupport.h"
#include "WholeGame.h"
#include "persist/SavedGame.h"

namespace reikoboy::testing {
namespace {

QString lastQuestion(const QString& opponent) {
    NearlyOver game;
    storeSettings({}, {});
    {
        REIKOBOY_STORE(s);
        s.setValue(QStringLiteral("Settings/Соперник"), opponent == "mover's rival" ? QString(game.mover == kBlue ? "1" : "2") : opponent);
    }
    Form1 w;
    w.show();
    DialogAnswers answers;
    answers.then(chooseFile(game.file));
    answers.then(press(QMessageBox::No));
    w.findChild<QAction*>("Op")->trigger();
    click(w, "Command2_3");
    settle(w);
    EXPECT_TRUE(answers.allUsed());
    return answers.seen.value(1);
}

TEST(EndAgainstComputerTest, ThePersonWhoWonIsTheOneCongratulated) {
    // Blue wins 140 : 100 with the last click; the person plays blue against the computer.
    EXPECT_EQ(lastQuestion("mover's rival"), "Рейкобой: Вы выиграли 140 : 100!\nХотите сыграть ещё?");
    EXPECT_EQ(lastQuestion("0"), "Рейкобой: Поздравляю! Выиграли синие фишки!\nХотите сыграть ещё?");
}

}  // namespace
}  // namespace reikoboy::testing
