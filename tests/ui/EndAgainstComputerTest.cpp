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

// The whole game but its last click, saved: the side to move ends it with "Command2_3".
struct NearlyOver {
    QTemporaryDir folder;
    QString file = folder.filePath("nearly-over.sav");
    int mover = kBlue;
    NearlyOver() {
        struct : Host {
            void playSound(Sound) override {}
            bool askEndOfGame(const std::string&) override { return false; }
        } host;
        Game game(host);
        game.formLoad("", "0");
        QStringList moves = QString::fromLatin1(kWholeGame).split(QStringLiteral("; "));
        moves.removeLast();
        for (const QString& move : moves) {
            QStringList c = move.mid(7).split(' ');
            game.click(static_cast<Button>(c[0].toInt() - 1), c[1].toInt());
            game.finishAnimation();
        }
        mover = game.state().turnColour;
        QFile out(file);
        if (out.open(QIODevice::WriteOnly)) out.write(QByteArray::fromStdString(writeSavedGame(game.state())));
    }
};

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
